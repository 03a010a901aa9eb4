# Native tests: GoogleTest from the system sources, with address and undefined-behaviour checks.
set(LUMO_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(${LUMO_SANITIZE})
add_link_options(${LUMO_SANITIZE})
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# lumo_host_test(name SOURCES a.cpp ... LIBS lib ...)
function(lumo_host_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    lumo_warnings(${name})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

set(LUMO_FUZZ_RUNNER ${CMAKE_CURRENT_LIST_DIR}/run_fuzz_target.sh)
set(LUMO_FUZZ_SUMMARIES ${CMAKE_BINARY_DIR}/fuzz_summaries)

# libFuzzer targets need clang; with another compiler they are skipped. libFuzzer steers only by
# the code it sees, so a fuzz target links copies of its libraries (and of theirs) built with
# coverage; the sanitizer tests keep the plain ones. The files in <name>_seeds beside the target,
# when there are, start each run's corpus; what a run finds stays in the build tree.
# lumo_fuzz_target(name SOURCES a.cpp ... LIBS lib ...)
function(lumo_fuzz_target name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        return()
    endif()
    add_executable(${name} ${T_SOURCES})
    lumo_warnings(${name})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    # A library's own links may be declared after this folder, so the copies are made once the
    # whole tree has been read.
    cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]]
                              CALL _lumo_link_covered ${name} ${T_LIBS})")
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
    set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/${name}_seeds)
    if(NOT IS_DIRECTORY ${seeds})
        set(seeds "")
    endif()
    add_test(NAME ${name}
             COMMAND bash ${LUMO_FUZZ_RUNNER} ${name}
                     $<TARGET_FILE:${name}> ${LUMO_FUZZ_SUMMARIES} ${corpus} ${seeds}
                     -- -max_total_time=20 -rss_limit_mb=1024)
endfunction()

# Every host test run lists the coverage and corpus each fuzz target reached, after the results.
file(WRITE ${CMAKE_BINARY_DIR}/CTestCustom.cmake
     "set(CTEST_CUSTOM_PRE_TEST [[\"${CMAKE_COMMAND}\" -E rm -rf \"${LUMO_FUZZ_SUMMARIES}\"]])\n"
     "set(CTEST_CUSTOM_POST_TEST [[bash \"${LUMO_FUZZ_RUNNER}\" "
     "--summaries \"${LUMO_FUZZ_SUMMARIES}\"]])\n")

function(_lumo_link_covered name)
    foreach(lib IN LISTS ARGN)
        _lumo_covered(${lib} covered)
        target_link_libraries(${name} PRIVATE ${covered})
    endforeach()
endfunction()

# The coverage-built copy of a library of this project, made once, linking the copies of its own
# libraries; anything else (a system library, an imported target, a flag) stays as it is.
function(_lumo_covered item out)
    set(result ${item})
    if(item MATCHES "^\\$<LINK_ONLY:(.+)>$")
        _lumo_covered(${CMAKE_MATCH_1} inner)
        set(result "$<LINK_ONLY:${inner}>")
    elseif(TARGET ${item})
        get_target_property(aliased ${item} ALIASED_TARGET)
        if(aliased)
            set(item ${aliased})
        endif()
        get_target_property(imported ${item} IMPORTED)
        get_target_property(type ${item} TYPE)
        if(NOT imported AND type MATCHES "^(STATIC|OBJECT|INTERFACE)_LIBRARY$")
            set(result ${item}.covered)
            if(NOT TARGET ${result})
                _lumo_make_covered(${item} ${result} ${CMAKE_MATCH_1})
            endif()
        endif()
    endif()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

function(_lumo_make_covered lib copy kind)
    set(properties INTERFACE_INCLUDE_DIRECTORIES INTERFACE_SYSTEM_INCLUDE_DIRECTORIES
                   INTERFACE_COMPILE_DEFINITIONS INTERFACE_COMPILE_OPTIONS
                   INTERFACE_COMPILE_FEATURES INTERFACE_LINK_OPTIONS INTERFACE_LINK_DIRECTORIES)
    if(kind STREQUAL "INTERFACE")
        add_library(${copy} INTERFACE)
    else()
        # Sources are named relative to the library's own folder.
        get_target_property(dir ${lib} SOURCE_DIR)
        get_target_property(sources ${lib} SOURCES)
        list(TRANSFORM sources REPLACE "^([^/$].*)" "${dir}/\\1")
        add_library(${copy} ${kind} ${sources})
        list(APPEND properties INCLUDE_DIRECTORIES COMPILE_DEFINITIONS COMPILE_OPTIONS
             COMPILE_FEATURES CXX_STANDARD CXX_EXTENSIONS PRECOMPILE_HEADERS)
    endif()
    foreach(property IN LISTS properties)
        get_target_property(value ${lib} ${property})
        if(NOT value STREQUAL "value-NOTFOUND")
            set_property(TARGET ${copy} PROPERTY ${property} ${value})
        endif()
    endforeach()
    if(NOT kind STREQUAL "INTERFACE")
        target_compile_options(${copy} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
        get_target_property(links ${lib} ${property})
        if(NOT links STREQUAL "links-NOTFOUND")
            set(covered)
            foreach(link IN LISTS links)
                _lumo_covered(${link} mapped)
                list(APPEND covered ${mapped})
            endforeach()
            set_property(TARGET ${copy} PROPERTY ${property} ${covered})
        endif()
    endforeach()
endfunction()
