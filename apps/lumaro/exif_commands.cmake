# The EXIF listing commands: summary table, detail pane, new file names.
add_library(lumaro_exif_commands
    ${CMAKE_CURRENT_LIST_DIR}/field_list.cpp
    ${CMAKE_CURRENT_LIST_DIR}/names_command.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pane_command.cpp
    ${CMAKE_CURRENT_LIST_DIR}/summary_command.cpp
    ${CMAKE_CURRENT_LIST_DIR}/summary_json.cpp)
target_include_directories(lumaro_exif_commands PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(lumaro_exif_commands PUBLIC lumaro_commands exif_summary exif_names shell_settings platform_codepage
    PRIVATE platform_parallel_map)
