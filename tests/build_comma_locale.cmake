# Builds the de_DE.UTF-8 locale that the comma-locale tests use into a folder
# of the build tree (-DDIR=<folder>), leaving the system's locale
# configuration alone. A missing locale makes those tests fail, not this step.
set(target "${DIR}/de_DE.UTF-8")
if(EXISTS "${target}/LC_NUMERIC")
  return()
endif()
file(MAKE_DIRECTORY "${DIR}")
execute_process(COMMAND localedef -i de_DE -f UTF-8 "${target}"
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT EXISTS "${target}/LC_NUMERIC")
  message(WARNING "localedef could not build ${target} (${status}): ${errors}")
endif()
