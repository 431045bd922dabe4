# Writes the distribution medium: run as "cmake -D... -P make_medium.cmake" by the build.
# The medium is one flat folder, as the installer reads every file by its name beside itself:
# SETUP.EXE, SETUP.INI and README.TXT in CP932 with CR LF line ends, the programs, the help
# document, the album templates and the template picture when the build made them, the shared
# file, and the read-me once more as README.TXT_, compressed by mscompress.
cmake_minimum_required(VERSION 3.25)

foreach(variable MEDIUM SOURCE_DIR SETUP_EXE LUMAROUTY LUMARO HELP HTML_DIR PICTURE VERSION ICONV
        MSCOMPRESS)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "make_medium.cmake needs -D${variable}=...")
    endif()
endforeach()

# Writes UTF-8 text as CP932 with CR LF line ends.
function(write_cp932 text target)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    set(utf8 ${target}.utf8)
    file(WRITE ${utf8} "${text}")
    execute_process(COMMAND ${ICONV} -f UTF-8 -t CP932 ${utf8}
        OUTPUT_FILE ${target} RESULT_VARIABLE failed ERROR_VARIABLE why)
    file(REMOVE ${utf8})
    if(failed)
        message(FATAL_ERROR "cannot write ${target} as CP932: ${why}")
    endif()
endfunction()

function(copy_program source name)
    file(COPY_FILE ${source} ${MEDIUM}/${name})
    file(CHMOD ${MEDIUM}/${name} FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
        GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endfunction()

file(REMOVE_RECURSE ${MEDIUM})
file(MAKE_DIRECTORY ${MEDIUM})
copy_program(${SETUP_EXE} SETUP.EXE)
copy_program(${LUMAROUTY} LumaroUty)
copy_program(${LUMARO} lumaro)
file(COPY_FILE ${HELP} ${MEDIUM}/LumaroUty.html)

# The entries of [MakeFolder] and [CopyFile]; the optional files only when the build made them.
set(folders "(App)help" "(Prg)Common Files" "(Prg)Common Files\\Hestrom")
set(files "(App)LumaroUty" "(App)lumaro" "(App)README.TXT_" "(App)help\\LumaroUty.html"
    "(Prg)Common Files\\Hestrom\\HESTROM.TXT,/S")
if(EXISTS ${PICTURE})
    file(COPY_FILE ${PICTURE} ${MEDIUM}/Hestrom.jpg)
    list(APPEND files "(App)Hestrom.jpg")
endif()
if(IS_DIRECTORY ${HTML_DIR})
    file(GLOB templates LIST_DIRECTORIES false RELATIVE ${HTML_DIR} ${HTML_DIR}/*)
    list(SORT templates)
    if(templates)
        list(APPEND folders "(App)html")
    endif()
    foreach(template IN LISTS templates)
        if(EXISTS ${MEDIUM}/${template})
            message(FATAL_ERROR "the album template ${template} has the name of another file "
                "of the medium")
        endif()
        file(COPY_FILE ${HTML_DIR}/${template} ${MEDIUM}/${template})
        list(APPEND files "(App)html\\${template}")
    endforeach()
endif()

set(MAKE_FOLDERS "")
set(number 1)
foreach(folder IN LISTS folders)
    string(APPEND MAKE_FOLDERS "Folder${number}=${folder}\n")
    math(EXPR number "${number} + 1")
endforeach()
set(COPY_FILES "")
set(number 1)
foreach(entry IN LISTS files)
    string(APPEND COPY_FILES "File${number}=${entry}\n")
    math(EXPR number "${number} + 1")
endforeach()

file(READ ${SOURCE_DIR}/SETUP.INI.in script)
string(CONFIGURE "${script}" script @ONLY)
write_cp932("${script}" ${MEDIUM}/SETUP.INI)
file(READ ${SOURCE_DIR}/README.TXT readme)
string(CONFIGURE "${readme}" readme @ONLY)
write_cp932("${readme}" ${MEDIUM}/README.TXT)
file(READ ${SOURCE_DIR}/HESTROM.TXT shared)
write_cp932("${shared}" ${MEDIUM}/HESTROM.TXT)

# mscompress writes NAME_ beside NAME; it compresses a copy, so that the plain read-me stays.
set(staging ${MEDIUM}.compress)
file(REMOVE_RECURSE ${staging})
file(MAKE_DIRECTORY ${staging})
file(COPY_FILE ${MEDIUM}/README.TXT ${staging}/README.TXT)
execute_process(COMMAND ${MSCOMPRESS} README.TXT WORKING_DIRECTORY ${staging}
    RESULT_VARIABLE failed ERROR_VARIABLE why)
if(failed OR NOT EXISTS ${staging}/README.TXT_)
    message(FATAL_ERROR "mscompress could not compress README.TXT: ${why}")
endif()
file(COPY_FILE ${staging}/README.TXT_ ${MEDIUM}/README.TXT_)
file(REMOVE_RECURSE ${staging})
