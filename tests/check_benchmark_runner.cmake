# Runs scripts/run-benchmarks.sh (-DRUNNER=<script>) on a build folder whose
# only benchmark program prints its arguments (-DWORK=<scratch folder>): the
# runner must ask for colours only on a terminal, so logs stay plain text.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/bench")
file(WRITE "${WORK}/bench/echo_bench" "#!/bin/sh\necho \"arguments: $*\"\n")
file(CHMOD "${WORK}/bench/echo_bench" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
execute_process(COMMAND bash "${RUNNER}" "${WORK}" OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
file(REMOVE_RECURSE "${WORK}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "runner failed (${status}): ${err}")
endif()
if(NOT out MATCHES "arguments: [^\n]*--benchmark_color=auto")
  message(FATAL_ERROR "the benchmark programs are not run with --benchmark_color=auto:\n${out}")
endif()
