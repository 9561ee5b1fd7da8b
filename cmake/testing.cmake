# GoogleTest from Debian's source tree, built with the project's own flags in both builds.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# marevo_test(NAME SOURCES... LIBS lib...): one test executable, one CTest entry.
# Windows executables run through the Wine wrapper (CMAKE_CROSSCOMPILING_EMULATOR).
function(marevo_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE MAREVO_TEST_DATA="${PROJECT_SOURCE_DIR}/data"
                             MAREVO_TEST_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures")
  add_test(NAME ${name} COMMAND ${name})
endfunction()
