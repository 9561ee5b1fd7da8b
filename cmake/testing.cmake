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

# marevo_codepage_runs(NAME [ARGS...]): test NAME run again, with ARGS, under an English
# (1252) and a Hindi (65001, UTF-8; its Windows locale has no ANSI code page) locale of Wine,
# as NAME_1252 and NAME_65001; MAREVO_EXPECT_ACP tells each run the code page it must find
# (932 for NAME itself). The new tests' names are left in MAREVO_CODEPAGE_RUNS.
function(marevo_codepage_runs name)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT MAREVO_EXPECT_ACP=932)
  set(runs)
  foreach(run "en_US.UTF-8;1252" "hi_IN.UTF-8;65001")
    list(GET run 0 locale)
    list(GET run 1 acp)
    add_test(NAME ${name}_${acp} COMMAND ${name} ${ARGN})
    set_tests_properties(${name}_${acp} PROPERTIES
      ENVIRONMENT "MAREVO_WINE_LANG=${locale};MAREVO_EXPECT_ACP=${acp}")
    list(APPEND runs ${name}_${acp})
  endforeach()
  set(MAREVO_CODEPAGE_RUNS ${runs} PARENT_SCOPE)
endfunction()
