# Runs the token dump tool over every input of one language and compares its output with the
# reference file beside it. Arguments: TOOL, LANG, GOLDEN_DIR (holding input/ and reference/),
# WORK_DIR (for the fresh output).
file(GLOB inputs LIST_DIRECTORIES false "${GOLDEN_DIR}/input/${LANG}/*")
list(SORT inputs)
if(NOT inputs)
  message(FATAL_ERROR "no inputs in ${GOLDEN_DIR}/input/${LANG}")
endif()
file(MAKE_DIRECTORY "${WORK_DIR}/${LANG}")
set(failed "")
foreach(input IN LISTS inputs)
  get_filename_component(name "${input}" NAME)
  set(reference "${GOLDEN_DIR}/reference/${LANG}/${name}.ref")
  set(output "${WORK_DIR}/${LANG}/${name}.ref")
  execute_process(COMMAND "${TOOL}" "${LANG}" "${input}" OUTPUT_FILE "${output}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    list(APPEND failed "${name} (the tool failed: ${rc})")
  elseif(NOT EXISTS "${reference}")
    list(APPEND failed "${name} (no reference)")
  else()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${output}" "${reference}" RESULT_VARIABLE diff)
    # The same text through standard input.
    execute_process(COMMAND "${TOOL}" "${LANG}" INPUT_FILE "${input}" OUTPUT_FILE "${output}.stdin"
      RESULT_VARIABLE rc_stdin)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${output}.stdin" "${reference}"
      RESULT_VARIABLE diff_stdin)
    if(NOT diff EQUAL 0)
      list(APPEND failed "${name}")
    elseif(NOT rc_stdin EQUAL 0 OR NOT diff_stdin EQUAL 0)
      list(APPEND failed "${name} (read from standard input)")
    endif()
  endif()
endforeach()
if(failed)
  string(REPLACE ";" "\n  " listed "${failed}")
  message(FATAL_ERROR "token dumps differ from the references:\n  ${listed}\n"
    "fresh output in ${WORK_DIR}/${LANG}; tests/editor/lexers/promote.sh writes it beside the references")
endif()
