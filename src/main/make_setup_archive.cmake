# Stages the installed program and packs it into Setup.dat with Info-ZIP's
# zip (deflate, Unix permissions kept). Run by the setup-archive target:
#   cmake -DBUILD_DIR=... -DSTAGE=... -DARCHIVE=... -DZIP=... -DSETUP=...
#         -DSTRIP=... -P make_setup_archive.cmake
file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}" --component program --strip
  OUTPUT_QUIET RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "staging the program failed")
endif()

# The installer itself, as the uninstaller of the installed copy.
file(COPY_FILE "${SETUP}" "${STAGE}/uninstall")
file(CHMOD "${STAGE}/uninstall" FILE_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(STRIP)
  execute_process(COMMAND "${STRIP}" "${STAGE}/uninstall")
endif()

# A sorted list, folders before what they hold, so the archive's order does
# not depend on the file system.
file(GLOB_RECURSE names LIST_DIRECTORIES true RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT names)
string(REPLACE ";" "\n" listing "${names}")
file(WRITE "${STAGE}.list" "${listing}\n")

file(REMOVE "${ARCHIVE}" "${ARCHIVE}.part")
execute_process(
  COMMAND "${ZIP}" -q -X -Z deflate "${ARCHIVE}.part" -@
  WORKING_DIRECTORY "${STAGE}" INPUT_FILE "${STAGE}.list" RESULT_VARIABLE zipped)
if(NOT zipped EQUAL 0)
  file(REMOVE "${ARCHIVE}.part")
  message(FATAL_ERROR "zip failed (${zipped})")
endif()
file(RENAME "${ARCHIVE}.part" "${ARCHIVE}")
