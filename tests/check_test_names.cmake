# Fails when a test's name is a dump of its parameter's bytes instead of
# saying which case it is. Run with -DCTEST=<ctest> -DBUILD=<build folder>.
execute_process(COMMAND ${CTEST} -N --test-dir ${BUILD} OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ctest -N failed")
endif()
string(REGEX MATCHALL "Test +#[0-9]+: [^\n]*(byte object|GetParam)[^\n]*" unreadable "${listing}")
list(LENGTH unreadable count)
if(count GREATER 0)
  list(GET unreadable 0 first)
  message(FATAL_ERROR "${count} test names dump their parameters, e.g. ${first}")
endif()
