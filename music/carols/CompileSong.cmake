# Compiles one ABC song to MIDI and fails on any abc2midi warning or error, so a bar of the
# wrong length or a misspelt directive cannot slip into the shipped music.
# Inputs: ABC2MIDI (program), INPUT (.abc file), OUTPUT (.mid file).
execute_process(
  COMMAND ${ABC2MIDI} ${INPUT} -o ${OUTPUT}
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log
  RESULT_VARIABLE status)
string(REGEX MATCHALL "[^\n]*([Ww]arning|[Ee]rror)[^\n]*" problems "${log}")
if(NOT status EQUAL 0 OR problems OR NOT EXISTS ${OUTPUT})
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "abc2midi could not compile ${INPUT} cleanly:\n${log}")
endif()
