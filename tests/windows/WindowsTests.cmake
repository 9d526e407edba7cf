# Tests of the Windows build that drive the .exe through Wine from the build machine: finding the game in
# Wine's registry, and the same output as the Linux build. Included from tests/CMakeLists.txt when
# cross-compiling.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  return()
endif()

add_test(NAME windows_locate_game
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/locate_game.sh ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:tarnix-cli>)
# It edits the registry key the game's installer owns: no other test may look at it meanwhile.
set_tests_properties(windows_locate_game PROPERTIES LABELS windows RUN_SERIAL ON)

# The Linux build of the same tree, which scripts/test (and so CI) builds first.
set(TARNIX_LINUX_CLI "${PROJECT_SOURCE_DIR}/build/default/src/tarnix-cli" CACHE FILEPATH
  "The Linux tarnix-cli whose output the Windows build must match")
add_test(NAME windows_same_output_as_linux
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/same_output.sh ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:tarnix-cli>
          ${TARNIX_LINUX_CLI} ${TARNIX_SAMPLE_GAME})
set_tests_properties(windows_same_output_as_linux PROPERTIES LABELS windows SKIP_RETURN_CODE 77
  FIXTURES_REQUIRED sample_game)

# The Qt program itself under Wine (offscreen, given as an argument: Wine passes no QT_* variable on): its
# settings in the registry, and the game found through the registry on the first run. Both change Wine's
# registry, so they run alone.
if(TARGET tarnix)
  foreach(script settings_in_registry game_from_registry)
    add_test(NAME windows_${script}
      COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/${script}.sh ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:tarnix>
              ${TARNIX_SAMPLE_GAME})
    set_tests_properties(windows_${script} PROPERTIES LABELS "gui;windows" RUN_SERIAL ON TIMEOUT 300
      FIXTURES_REQUIRED sample_game)
  endforeach()
endif()
