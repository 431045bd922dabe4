# The C libraries of the engine as the targets lumaro::jpeg, lumaro::turbojpeg (the lossless
# transform), lumaro::tiff and lumaro::sqlite.
# A program whose property LUMARO_STATIC_LIBRARIES is true links their static archives instead
# of the shared libraries: lumaro, which scripts start once per command, would otherwise spend
# most of a short run loading them. Without the archives it stays with the shared libraries.

function(lumaro_third_party name module)
    pkg_check_modules(${name}_PKG REQUIRED IMPORTED_TARGET ${module})
    set(archives)
    foreach(library IN LISTS ${name}_PKG_STATIC_LIBRARIES)
        if(library MATCHES "^(m|pthread|dl|rt)$")
            list(APPEND archives ${library}) # parts of the C library stay shared
            continue()
        endif()
        find_library(LUMARO_ARCHIVE_${library} NAMES lib${library}.a
            HINTS ${${name}_PKG_STATIC_LIBRARY_DIRS})
        if(NOT LUMARO_ARCHIVE_${library})
            message(STATUS "no static archive of ${library}: ${module} stays shared")
            set(archives PkgConfig::${name}_PKG)
            break()
        endif()
        list(APPEND archives ${LUMARO_ARCHIVE_${library}})
    endforeach()
    set(static "$<BOOL:$<TARGET_PROPERTY:LUMARO_STATIC_LIBRARIES>>")
    add_library(lumaro::${name} INTERFACE IMPORTED GLOBAL)
    target_link_libraries(lumaro::${name} INTERFACE
        "$<${static}:${archives}>" "$<$<NOT:${static}>:PkgConfig::${name}_PKG>")
    target_include_directories(lumaro::${name} INTERFACE ${${name}_PKG_INCLUDE_DIRS})
endfunction()

lumaro_third_party(jpeg libjpeg)
lumaro_third_party(turbojpeg libturbojpeg)
lumaro_third_party(tiff libtiff-4)
lumaro_third_party(sqlite sqlite3)
