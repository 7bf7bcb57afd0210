# Runs PROGRAM --batch SCRIPT and compares its standard output with the
# file beside SCRIPT that ends in .out instead of .batch. The script runs in
# the empty directory WORKDIR, which holds a copy of the files of
# tests/scripts/files, so that it can read those and write its own.
string(REGEX REPLACE "\\.batch$" ".out" expected_file "${SCRIPT}")
get_filename_component(script_dir "${SCRIPT}" DIRECTORY)
file(REMOVE_RECURSE "${WORKDIR}")
file(MAKE_DIRECTORY "${WORKDIR}")
file(COPY "${script_dir}/files" DESTINATION "${WORKDIR}")
execute_process(COMMAND ${PROGRAM} --batch ${SCRIPT} WORKING_DIRECTORY "${WORKDIR}"
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "output differs from ${expected_file}\n--- actual ---\n${actual}\n--- errors ---\n${errors}")
endif()
if(EXISTS "${SCRIPT}.status")
  file(READ "${SCRIPT}.status" want_status)
  string(STRIP "${want_status}" want_status)
else()
  set(want_status 0)
endif()
if(NOT status STREQUAL want_status)
  message(FATAL_ERROR "exit status ${status}, expected ${want_status}\n${errors}")
endif()
