# Copies marevo-cli into WORK with the fixture's dt folder and ports.tsv beside it, runs it
# without --dt and checks its output against EXPECT.
# Usage: cmake -DCLI=exe -DEMULATOR=wrapper -DFIXTURE=dir -DWORK=dir -DEXPECT=file -P dt_beside_program.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${CLI} ${FIXTURE}/dt ${FIXTURE}/ports.tsv DESTINATION ${WORK})
get_filename_component(exe ${CLI} NAME)
set(command ${EMULATOR} ${WORK}/${exe} extremes --port owase --date 2026-12-07)
string(REPLACE ";" "|" command "${command}")
execute_process(COMMAND ${CMAKE_COMMAND} "-DCOMMAND=${command}" -DEXPECT=${EXPECT}
                        -P ${CMAKE_CURRENT_LIST_DIR}/../run_expect.cmake
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "marevo-cli beside its dt folder failed")
endif()
