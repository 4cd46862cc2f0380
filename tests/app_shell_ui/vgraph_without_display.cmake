# Runs VGraph (-DPROGRAM=<path>) with no display in its environment: it must
# say so in one line on standard error and end with status 1.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM ${PROGRAM}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
if(NOT status STREQUAL "1")
  message(FATAL_ERROR "exit status ${status}, expected 1; stderr: ${err}")
endif()
string(REGEX MATCHALL "\n" breaks "${err}")
list(LENGTH breaks lines)
if(NOT lines EQUAL 1 OR NOT err MATCHES "^VGraph: no display" OR NOT out STREQUAL "")
  message(FATAL_ERROR "expected one line 'VGraph: no display...', got: ${err}")
endif()
