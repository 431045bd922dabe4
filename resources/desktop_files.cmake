# What a desktop system expects of an installed program beside the programs themselves: the
# icon in the hicolor sizes, man pages, bash completion for lumaro, and the package's copyright
# and change log under share/doc. Made in <build>/desktop_files, installed from there.
include(GNUInstallDirs)
set(LUMARO_DESKTOP_FILES_DIR ${CMAKE_BINARY_DIR}/desktop_files)

# The icon: the scalable SVG, and PNG renderings of it for the fixed sizes.
find_program(LUMARO_RSVG_CONVERT rsvg-convert)
set(LUMARO_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_outputs)
if(LUMARO_RSVG_CONVERT)
    foreach(size ${LUMARO_ICON_SIZES})
        set(png ${LUMARO_DESKTOP_FILES_DIR}/icons/${size}/lumarouty.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMARO_DESKTOP_FILES_DIR}/icons/${size}
            COMMAND ${LUMARO_RSVG_CONVERT} -w ${size} -h ${size}
                -o ${png} ${CMAKE_CURRENT_SOURCE_DIR}/icons/lumarouty.svg
            DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/icons/lumarouty.svg
            COMMENT "Rendering the ${size} x ${size} icon")
        list(APPEND icon_outputs ${png})
        install(FILES ${png}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            COMPONENT desktop)
    endforeach()
else()
    message(WARNING "rsvg-convert not found: only the scalable icon is installed "
        "(scripts/deps installs librsvg2-bin)")
endif()

# The man pages: scdoc sources, compressed troff in the build.
find_program(LUMARO_SCDOC scdoc)
find_program(LUMARO_GZIP gzip)
set(man_outputs)
if(LUMARO_SCDOC AND LUMARO_GZIP)
    foreach(page lumaro LumaroUty lumaro-setup)
        set(source ${CMAKE_CURRENT_SOURCE_DIR}/man/${page}.1.scd)
        set(troff ${LUMARO_DESKTOP_FILES_DIR}/man/${page}.1.gz)
        add_custom_command(OUTPUT ${troff}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMARO_DESKTOP_FILES_DIR}/man
            COMMAND ${CMAKE_COMMAND} -DSCDOC=${LUMARO_SCDOC} -DGZIP=${LUMARO_GZIP}
                -DSOURCE=${source} -DOUTPUT=${troff}
                -P ${CMAKE_CURRENT_SOURCE_DIR}/man/make_man_page.cmake
            DEPENDS ${source} ${CMAKE_CURRENT_SOURCE_DIR}/man/make_man_page.cmake
            COMMENT "Writing the man page ${page}(1)")
        list(APPEND man_outputs ${troff})
    endforeach()
    install(FILES ${man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT doc)
else()
    message(WARNING "scdoc not found: no man pages (scripts/deps installs it)")
endif()

# The package's change log, dated by the last change of its source.
set(changelog ${LUMARO_DESKTOP_FILES_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog
        -DOUTPUT=${LUMARO_DESKTOP_FILES_DIR}/changelog.Debian
        -DVERSION=${PROJECT_VERSION}-${LUMARO_PACKAGE_RELEASE}
        -P ${CMAKE_CURRENT_SOURCE_DIR}/debian/make_changelog.cmake
    COMMAND ${LUMARO_GZIP} -9nf ${LUMARO_DESKTOP_FILES_DIR}/changelog.Debian
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog
        ${CMAKE_CURRENT_SOURCE_DIR}/debian/make_changelog.cmake
    COMMENT "Writing the package's change log")
set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${LUMARO_PACKAGE_NAME})
install(FILES ${changelog} DESTINATION ${doc_dir} COMPONENT doc)
install(FILES debian/copyright DESTINATION ${doc_dir} COMPONENT doc)

add_custom_target(desktop_files ALL DEPENDS ${icon_outputs} ${man_outputs} ${changelog})

install(FILES completion/lumaro.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
    RENAME lumaro COMPONENT desktop)
