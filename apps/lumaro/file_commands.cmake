# lumaro copy, move, rename, delete, html, csv and presentation: the file menu's commands without windows, as a
# library that main() and the tests link.
add_library(lumaro_file_commands
    ${CMAKE_CURRENT_LIST_DIR}/file_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_commands_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_commands_publish.cpp
    ${CMAKE_CURRENT_LIST_DIR}/presentation_command.cpp)
target_include_directories(lumaro_file_commands PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(lumaro_file_commands PUBLIC lumaro_arguments commands_files publish shell_settings
    platform_codepage PRIVATE lumaro_edit_commands shell_shipped_files)
