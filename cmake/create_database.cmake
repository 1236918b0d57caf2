# Creates the delivered database DATABASE from SCHEMA, only when DATABASE does not exist.
# An existing file, whatever it holds, is left exactly as it is.
if(NOT DEFINED SCHEMA OR NOT DEFINED DATABASE)
  message(FATAL_ERROR "create_database: SCHEMA and DATABASE must be given")
endif()
if(EXISTS "${DATABASE}" OR IS_SYMLINK "${DATABASE}")
  return()
endif()
find_program(SQLITE3 sqlite3 REQUIRED)
get_filename_component(folder "${DATABASE}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
# Built beside the target and renamed into place, so that a failed run leaves no half-made file.
set(partial "${DATABASE}.partial")
file(REMOVE "${partial}")
execute_process(COMMAND "${SQLITE3}" -bail "${partial}"
  INPUT_FILE "${SCHEMA}"
  RESULT_VARIABLE result
  ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  file(REMOVE "${partial}")
  message(FATAL_ERROR "create_database: the schema could not be applied: ${errors}")
endif()
file(RENAME "${partial}" "${DATABASE}")
message(STATUS "Created ${DATABASE}")
