include(GoogleTest)

# Real camera files live beside the checkout; tests that need them skip when absent.
get_filename_component(LUMARO_SAMPLES_DIR ${CMAKE_SOURCE_DIR}/../shared/samples ABSOLUTE)

# lumaro_test(name [GUI] SOURCES ... LIBS ... LABELS ...)
# One GoogleTest executable; every test case in it becomes a CTest test with the labels given.
# GUI tests run inside a QApplication (offscreen) and may save screenshots.
function(lumaro_test name)
    cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    if(T_GUI)
        target_link_libraries(${name} PRIVATE ${T_LIBS} test_gui_main GTest::gtest)
    else()
        target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    endif()
    target_compile_definitions(${name} PRIVATE
        LUMARO_SAMPLES_DIR="${LUMARO_SAMPLES_DIR}"
        LUMARO_BIN_DIR="${CMAKE_BINARY_DIR}/bin"
        LUMARO_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES LABELS "${T_LABELS}"
                   ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LUMARO_MACHINE_DIR=${CMAKE_BINARY_DIR}/tests/machine-${name}")
endfunction()

# lumaro_fuzz_target(name SOURCE LIBS ...)
# A libFuzzer executable beside the tests; built only with LUMARO_FUZZ (the fuzz preset).
function(lumaro_fuzz_target name)
    if(NOT LUMARO_FUZZ)
        return()
    endif()
    cmake_parse_arguments(F "" "SOURCE" "LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCE})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endfunction()
