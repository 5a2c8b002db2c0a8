# Runs one trace scenario and compares its output with the expected file beside it.
# cmake [-DEMULATOR=<wine>] -DTRACE=<skyscrub-trace> -DSCRIPT=<dir/NAME.trace> -DACTUAL=<file for the output>
#       -P run_scenario.cmake
# EMULATOR runs a skyscrub-trace built for another system (Windows' under Wine).
string(REGEX REPLACE "\\.trace$" ".expected" expected_file "${SCRIPT}")
execute_process(COMMAND ${EMULATOR} ${TRACE} INPUT_FILE ${SCRIPT} OUTPUT_VARIABLE actual ERROR_VARIABLE errors
                RESULT_VARIABLE status)
# A Windows program ends the lines it prints with CR LF.
string(REPLACE "\r\n" "\n" actual "${actual}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "skyscrub-trace failed (${status}) on ${SCRIPT}:\n${errors}")
endif()
if(DEFINED ENV{SKYSCRUB_UPDATE_EXPECTED})
  file(WRITE ${expected_file} "${actual}")
  return()
endif()
if(NOT EXISTS ${expected_file})
  message(FATAL_ERROR "no ${expected_file}; this run printed:\n${actual}")
endif()
file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${ACTUAL} "${actual}")
  execute_process(COMMAND diff -u ${expected_file} ${ACTUAL} OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "${SCRIPT} printed something else (the whole output is in ${ACTUAL}):\n${difference}")
endif()
