# The EXIF editing commands of lumaro (title, comment, date, exif-copy, exif-add, exif-delete,
# thumbnail, with the extraction of embedded thumbnails, rotate), as a library that main() and the tests link.
add_library(lumaro_edit_commands
    ${CMAKE_CURRENT_LIST_DIR}/edit_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edit_commands_date.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edit_commands_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edit_commands_output.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rotate_command.cpp
    ${CMAKE_CURRENT_LIST_DIR}/thumbnail_extract.cpp)
target_include_directories(lumaro_edit_commands PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(lumaro_edit_commands PUBLIC lumaro_arguments commands_edit platform_codepage
    PRIVATE shell_photo_rows platform_write)
