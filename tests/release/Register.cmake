# Checks of what the windows preset builds for users: the help file beside Zubolo.exe and the
# release archive. They exist only when that build folder is named (ZUBOLO_WINDOWS_BUILD_DIR).
if(NOT ZUBOLO_WINDOWS_BUILD_DIR)
  return()
endif()
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH zubolo_tests_dir)
cmake_path(GET zubolo_tests_dir PARENT_PATH zubolo_repository_dir)

add_test(NAME help.chm COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-help
  ${ZUBOLO_WINDOWS_BUILD_DIR}/Zubolo.chm ${zubolo_repository_dir}/help)
add_test(NAME release.archive COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-archive
  ${ZUBOLO_WINDOWS_BUILD_DIR}/release/Zubolo-${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.zip
  ${ZUBOLO_WINDOWS_BUILD_DIR}/Zubolo.exe ${ZUBOLO_WINDOWS_BUILD_DIR}/Zubolo.chm
  ${zubolo_repository_dir}/release/README.txt)
set_tests_properties(help.chm release.archive PROPERTIES LABELS release)
