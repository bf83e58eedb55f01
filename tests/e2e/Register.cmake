# Registers the end-to-end tests in the host build. They run the windows preset's Zubolo.exe and
# driver under Wine in a virtual X display, so they exist only when that build folder is named:
#   cmake --preset host -DZUBOLO_WINDOWS_BUILD_DIR=<repository>/build/windows
# One fixture starts the display, the Wine prefix and the idle Wine process before the first case
# and stops them after the last; the cases share that desktop and never run at the same time.

set(ZUBOLO_WINDOWS_BUILD_DIR "" CACHE PATH
  "Build folder of the windows preset (Zubolo.exe, end-to-end driver); empty: no end-to-end tests")
if(NOT ZUBOLO_WINDOWS_BUILD_DIR)
  return()
endif()

cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH zubolo_tests_dir)
cmake_path(GET zubolo_tests_dir PARENT_PATH zubolo_repository_dir)
set(ZUBOLO_E2E_DIR "${zubolo_repository_dir}/build/e2e" CACHE PATH
  "Folder of the end-to-end environment: Wine prefix, locale, trash, screenshots")

set(zubolo_e2e_env ${zubolo_repository_dir}/scripts/e2e-env)
set(zubolo_e2e_tools ${ZUBOLO_WINDOWS_BUILD_DIR}/tests/e2e)
set(zubolo_e2e_program ${ZUBOLO_WINDOWS_BUILD_DIR}/Zubolo.exe)
# One case a line: the names the driver knows (tests/e2e/driver/Main.cpp).
set(zubolo_e2e_cases
  main_window
  second_start
  restart
  trash_status
  settings_first_start
  settings_restart
  settings_save_off
  popup_menus
  escape_closes
  location_commands
  file_drops
  command_line_files
  explorer_linkage
  explorer_hung
  shortcuts
  private_bins
  about_box
  help_not_found
  help_viewer
  compact_view
  tray_residence
  tab_layout
  drive_table
  slow_bin
  late_pages
)

add_test(NAME e2e.start_environment
  COMMAND ${zubolo_e2e_env} start ${zubolo_e2e_tools}/wine-sleeper.exe)
set_tests_properties(e2e.start_environment PROPERTIES FIXTURES_SETUP zubolo_wine TIMEOUT 180)

foreach(case IN LISTS zubolo_e2e_cases)
  add_test(NAME e2e.${case}
    COMMAND ${zubolo_e2e_env} exec ${CMAKE_CURRENT_LIST_DIR}/run-case ${case}
      ${zubolo_e2e_program} ${zubolo_e2e_tools}/zubolo_e2e.exe)
  # Room for two runs of the driver (120 s each at the most): run-case runs a failed case again.
  set_tests_properties(e2e.${case} PROPERTIES FIXTURES_REQUIRED zubolo_wine
    RESOURCE_LOCK zubolo_wine TIMEOUT 300)
endforeach()

add_test(NAME e2e.stop_environment COMMAND ${zubolo_e2e_env} stop)
set_tests_properties(e2e.stop_environment PROPERTIES FIXTURES_CLEANUP zubolo_wine TIMEOUT 60)

list(TRANSFORM zubolo_e2e_cases PREPEND e2e. OUTPUT_VARIABLE zubolo_e2e_tests)
set_tests_properties(e2e.start_environment ${zubolo_e2e_tests} e2e.stop_environment PROPERTIES
  LABELS e2e ENVIRONMENT ZUBOLO_E2E_DIR=${ZUBOLO_E2E_DIR})

add_test(NAME imports.Zubolo COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-imports ${zubolo_e2e_program})
set_tests_properties(imports.Zubolo PROPERTIES LABELS imports)
