# Win32 tests: GoogleTest cross-built from the system sources, run under Wine by the emulator
# wrapper set in the toolchain file.
add_library(gtest_win STATIC /usr/src/googletest/googletest/src/gtest-all.cc
                             /usr/src/googletest/googletest/src/gtest_main.cc)
target_include_directories(gtest_win SYSTEM PUBLIC /usr/src/googletest/googletest/include
                                         PRIVATE /usr/src/googletest/googletest)

# lumo_win_test(name SOURCES a.cpp ... LIBS lib ...)
function(lumo_win_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    lumo_warnings(${name})
    target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_win)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()
