# Runs marevo-cli on input it must refuse and checks what the user reads: a non-zero exit
# status, nothing on the standard output, exactly one line "marevo-cli: ..." on the
# standard error, and (when SAYS is given) that line holding the text SAYS (and, when STATUS
# is given, that exit status).
# Usage: cmake -DCOMMAND="exe|arg|..." [-DSAYS=text] [-DSTATUS=n] -P cli_fails_in_one_line.cmake
string(REPLACE "|" ";" command "${COMMAND}")
execute_process(COMMAND ${command} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc
                TIMEOUT 60)
if(rc EQUAL 0 OR NOT rc MATCHES "^[0-9]+$")
  message(FATAL_ERROR "exit status '${rc}', expected a refusal\n${out}\n${err}")
endif()
if(DEFINED STATUS AND NOT rc EQUAL STATUS)
  message(FATAL_ERROR "exit status ${rc}, expected ${STATUS}\n${err}")
endif()
if(NOT out STREQUAL "")
  message(FATAL_ERROR "standard output not empty:\n${out}")
endif()
# Wine may add nothing of its own here (WINEDEBUG=-all); CR LF counts as one break.
string(REPLACE "\r\n" "\n" err "${err}")
if(NOT err MATCHES "^marevo-cli: [^\n]+\n$")
  message(FATAL_ERROR "standard error is not one 'marevo-cli:' line:\n${err}")
endif()
if(DEFINED SAYS AND NOT err MATCHES "${SAYS}")
  message(FATAL_ERROR "standard error lacks '${SAYS}':\n${err}")
endif()
