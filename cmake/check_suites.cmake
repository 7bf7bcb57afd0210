# Fails when PROGRAM (a GoogleTest program) lists a suite that is not in
# SUITES, the suites that have a ctest of their own.
cmake_policy(SET CMP0057 NEW)
execute_process(COMMAND ${PROGRAM} --gtest_list_tests OUTPUT_VARIABLE listed RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed")
endif()
string(REPLACE "\n" ";" lines "${listed}")
foreach(line ${lines})
  # Suite lines start in the first column: "Suite." or "Prefix/Suite."
  if(line MATCHES "^([A-Za-z0-9_]+/)?([A-Za-z0-9_]+)\\.")
    if(NOT CMAKE_MATCH_2 IN_LIST SUITES)
      message(FATAL_ERROR "suite ${CMAKE_MATCH_2} has no ctest: write its TEST lines as TEST(Suite, Name)")
    endif()
  endif()
endforeach()
