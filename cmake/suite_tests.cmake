# tesvik_suite_tests(TARGET SOURCES...): one ctest a GoogleTest suite of
# TARGET, instead of one a test: the suites share one start of the program
# (its tables are built once a process), so the test command spends its time
# testing. The suites are read from the sources' TEST, TEST_F and TEST_P
# lines; TARGET.all_suites fails when the program has a suite that no ctest runs.
function(tesvik_suite_tests target)
  set(suites)
  foreach(source ${ARGN})
    file(STRINGS ${source} lines REGEX "^TEST(_F|_P)?\\([A-Za-z0-9_]+,")
    foreach(line ${lines})
      string(REGEX REPLACE "^TEST(_F|_P)?\\(([A-Za-z0-9_]+),.*" "\\2" suite "${line}")
      list(APPEND suites ${suite})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES suites)
  foreach(suite ${suites})
    add_test(NAME ${target}.${suite} COMMAND ${target} --gtest_filter=${suite}.*:*/${suite}.*)
    set_tests_properties(${target}.${suite} PROPERTIES TIMEOUT 600)
  endforeach()
  add_test(NAME ${target}.all_suites
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> "-DSUITES=${suites}"
            -P ${CMAKE_SOURCE_DIR}/cmake/check_suites.cmake)
  set_tests_properties(${target}.all_suites PROPERTIES TIMEOUT 60)
endfunction()
