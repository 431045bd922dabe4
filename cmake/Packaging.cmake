# The Debian package of the three programs: "cpack -G DEB" in a build tree (scripts/package
# makes an optimised one for it). Its dependencies are those of the programs' shared libraries,
# found by dpkg-shlibdeps, Qt's platform plugins, without which no window opens, and xdg-utils,
# which opens documents and the help.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${LUMARO_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "LumaroUty developers")
set(CPACK_PACKAGE_CONTACT "LumaroUty developers <lumarouty@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo-file utility for folders of camera JPEG files")
set(CPACK_PACKAGE_DESCRIPTION
    "LumaroUty shows the pictures of a folder as thumbnails taken from their\n"
    "EXIF data, decodes that data (Nikon Coolpix maker notes included), edits\n"
    "titles, comments and dates in place, renames files by shooting date and\n"
    "publishes them as an HTML album or a CSV listing. Its interface is Japanese.\n"
    "lumaro runs the same commands without windows, for scripts, and\n"
    "lumaro-setup is the script-driven installer that ships with them.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${LUMARO_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
