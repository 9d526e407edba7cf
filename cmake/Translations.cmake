# The program's translations: translations/tarnix_<language>.ts compiled by lrelease into .qm files that
# are built into the program as the resource ":/i18n", so that the Debian package, the Windows zip and the
# installer all carry them without install rules of their own. Qt's qt_add_translations would do the same
# but lives in qt6-tools-dev, which brings Designer's and Assistant's libraries (about 55 MB) to every
# build; lrelease alone comes with qt6-l10n-tools.
#
# The Windows build also carries Qt's own catalogues (qtbase_<language>.qm, the texts of the standard
# buttons and the file chooser) from the build machine's qt6-translations-l10n: the Qt for Windows it links
# against has none, and Windows has no system copy to load them from. It carries DejaVu Sans too, as the
# resource ":/fonts": the colours page draws its banners in it and page one its logo's tagline, and Windows
# has no such font.

# A file from a Debian package that the resource carries as it is, under its own name: appended to the
# resource's entries in `entries_var` and to the files the resource is rebuilt after (qm_files).
macro(tarnix_resource_file entries_var file package)
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "${file} is missing (Debian package ${package}): run scripts/bootstrap")
  endif()
  get_filename_component(name "${file}" NAME)
  list(APPEND qm_files "${file}")
  string(APPEND ${entries_var} "    <file alias=\"${name}\">${file}</file>\n")
endmacro()

function(tarnix_add_translations target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "TS_FILES;QT_CATALOGUES;FONTS")
  find_program(TARNIX_LRELEASE lrelease HINTS "${QT_HOST_PATH}/lib/qt6/bin" /usr/lib/qt6/bin
               NO_CMAKE_FIND_ROOT_PATH)
  if(NOT TARNIX_LRELEASE)
    message(FATAL_ERROR "lrelease is missing (Debian package qt6-l10n-tools): run scripts/bootstrap")
  endif()
  set(folder "${CMAKE_CURRENT_BINARY_DIR}/i18n")
  file(MAKE_DIRECTORY "${folder}")
  set(entries)
  set(qm_files)
  foreach(ts ${arg_TS_FILES})
    get_filename_component(name "${ts}" NAME_WE)
    set(qm "${folder}/${name}.qm")
    add_custom_command(OUTPUT "${qm}" COMMAND "${TARNIX_LRELEASE}" -silent "${ts}" -qm "${qm}"
                       DEPENDS "${ts}" VERBATIM)
    list(APPEND qm_files "${qm}")
    string(APPEND entries "    <file alias=\"${name}.qm\">${qm}</file>\n")
  endforeach()
  foreach(catalogue ${arg_QT_CATALOGUES})
    tarnix_resource_file(entries "${catalogue}" qt6-translations-l10n)
  endforeach()
  set(fonts)
  foreach(font ${arg_FONTS})
    tarnix_resource_file(fonts "${font}" fonts-dejavu-core)
  endforeach()
  if(fonts)
    set(fonts "  <qresource prefix=\"/fonts\">\n${fonts}  </qresource>\n")
  endif()
  set(qrc "${folder}/translations.qrc")
  file(CONFIGURE OUTPUT "${qrc}"
       CONTENT "<RCC>\n  <qresource prefix=\"/i18n\">\n${entries}  </qresource>\n${fonts}</RCC>\n")
  # rcc is run here rather than by AUTORCC, which would read the list of files before lrelease made them.
  # Compressed with zlib: the build machine's rcc would choose zstd, which the Qt for Windows cannot read.
  set(cpp "${folder}/qrc_translations.cpp")
  add_custom_command(OUTPUT "${cpp}" COMMAND Qt6::rcc --no-zstd --name translations --output "${cpp}" "${qrc}"
                     DEPENDS "${qrc}" ${qm_files} VERBATIM)
  set_source_files_properties("${cpp}" PROPERTIES SKIP_AUTOGEN ON GENERATED ON)
  target_sources(${target} PRIVATE "${cpp}")
endfunction()
