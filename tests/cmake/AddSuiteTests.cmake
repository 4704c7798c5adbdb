# Run at CTest start by the include file that panelconf_suite_tests() writes: lists the cases of a
# GoogleTest program and registers one CTest test per suite, so that a program starts once per
# suite instead of once per case. GoogleTest's own output names every case that fails.
#
# Input variables: TEST_EXECUTABLE, TEST_LABEL, TEST_WORKING_DIR, TEST_ENVIRONMENT, CTEST_FILE.
execute_process(
  COMMAND "${TEST_EXECUTABLE}" --gtest_list_tests
  WORKING_DIRECTORY "${TEST_WORKING_DIR}"
  OUTPUT_VARIABLE listing
  ERROR_VARIABLE listing_error
  RESULT_VARIABLE listing_result
  TIMEOUT 60)
if(NOT listing_result EQUAL 0)
  message(FATAL_ERROR "Listing the tests of ${TEST_EXECUTABLE} failed (${listing_result}):\n${listing}\n${listing_error}")
endif()

string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(content "")
foreach(line IN LISTS lines)
  # Suite lines start in the first column and end with a dot (a type or value comment may follow).
  if(line MATCHES "^([^ #][^ ]*)\\.( *#.*)?$")
    set(suite "${CMAKE_MATCH_1}")
    string(APPEND content
      "add_test([=[${suite}]=] [==[${TEST_EXECUTABLE}]==] [==[--gtest_filter=${suite}.*]==])\n"
      "set_tests_properties([=[${suite}]=] PROPERTIES LABELS [==[${TEST_LABEL}]==] "
      "WORKING_DIRECTORY [==[${TEST_WORKING_DIR}]==] ENVIRONMENT [==[${TEST_ENVIRONMENT}]==])\n")
  endif()
endforeach()
file(WRITE "${CTEST_FILE}" "${content}")
