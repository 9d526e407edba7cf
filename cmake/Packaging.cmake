# The Debian package, made by CPack from the install rules: run "cpack -G DEB" in the build folder. The
# dependencies come from dpkg-shlibdeps, so they match the libraries the programs were linked against.

set(CPACK_PACKAGE_NAME tarnix)
set(CPACK_PACKAGE_VENDOR Olvenar)
set(CPACK_PACKAGE_CONTACT "Tarnix maintainers <maintainers@tarnix.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://tarnix.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the football-kit textures of FIFA99")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Release builds carry debug information; the package does not.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Opening the user guide and the links needs a web browser through xdg-open; tarnix-cli's completion is
# only ever loaded by bash-completion; Qt's standard buttons and file chooser speak the user's language with
# Qt's catalogues (the program's own translations are built into it).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, bash-completion, qt6-translations-l10n")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tarnix edits the kit textures (PK0nn.FSH archives) of the 1998 game FIFA99.
A three-page wizard opens a jersey, shows which clubs of the game's team
database wear it, hands its front, back and sleeves to a bitmap editor of
the user's choice, lets the user pick the kit's seven colours and saves an
archive the game loads, with all its smaller pictures derived from the
large ones.
.
The command-line tool tarnix-cli does the same jobs from scripts.
No game files are included.")

include(CPack)
