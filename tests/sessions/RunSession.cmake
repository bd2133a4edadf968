# Runs one session script with corvane-sim in a fresh data folder and checks how it ended.
#   cmake -DSIM=... -DPLUGIN=... -DSCRIPT=... -DDATA=... -P RunSession.cmake
# Header lines of the script may set what is expected:
#   # session-exit: N          the exit status (default 0)
#   # session-stderr: TEXT     text that standard error must contain (may repeat)
#   # session-track: FILE      also write the track to DATA/FILE
file(REMOVE_RECURSE "${DATA}")
file(MAKE_DIRECTORY "${DATA}")

set(expected_exit 0)
set(expected_stderr "")
set(track_arguments "")
file(STRINGS "${SCRIPT}" header_lines REGEX "^# session-")
foreach(line IN LISTS header_lines)
  if(line MATCHES "^# session-exit: ([0-9]+)$")
    set(expected_exit "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^# session-stderr: (.+)$")
    list(APPEND expected_stderr "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^# session-track: (.+)$")
    set(track_arguments --track "${DATA}/${CMAKE_MATCH_1}")
  endif()
endforeach()

execute_process(
  COMMAND "${SIM}" run "${SCRIPT}" --data "${DATA}" --plugin "${PLUGIN}" ${track_arguments}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)

message("--- standard output\n${out}--- standard error\n${err}---")
if(NOT "${status}" STREQUAL "${expected_exit}")
  message(FATAL_ERROR "corvane-sim ended with ${status}, expected ${expected_exit}")
endif()
foreach(text IN LISTS expected_stderr)
  string(FIND "${err}" "${text}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "standard error lacks: ${text}")
  endif()
endforeach()
