# lumaro settings: the command, as a library that main() and the tests link.
add_library(lumaro_settings_command ${CMAKE_CURRENT_LIST_DIR}/settings_command.cpp)
target_include_directories(lumaro_settings_command PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(lumaro_settings_command PUBLIC lumaro_arguments shell_settings platform_codepage)
