# Test of the run script: each program's output under its heading, then one summary line per program, and a
# failing status exactly when a program failed or printed other than its expected output.
# Inputs: RUN_SCRIPT, PROGRAM (a program that reads no file), EXPECTED (its output), SAMPLE, WORK_DIR.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
find_program(FALSE_PROGRAM false REQUIRED)
file(WRITE ${WORK_DIR}/other.txt "another output\n")
file(WRITE ${WORK_DIR}/empty.txt "")
file(READ ${EXPECTED} output)
set(runs ${WORK_DIR}/runs)

# name | program | expected output file | summary line
set(cases
    "as_expected|${PROGRAM}|${EXPECTED}|as_expected: output as expected"
    "other_expected|${PROGRAM}|${WORK_DIR}/other.txt|other_expected: output differs from the expected output: \
diff -u ${WORK_DIR}/other.txt ${runs}/other_expected/stdout.txt"
    "failing|${FALSE_PROGRAM}|${WORK_DIR}/empty.txt|failing: exit status 1, output as expected"
    "unchecked|${PROGRAM}||unchecked: no expected output to compare with")

set(failures "")
# check(<cases to run> <expected status: 0 or failing> <expected stderr regex>)
function(check selected status_wanted stderr_regex)
  set(calls "")
  set(summary "==> Summary\n")
  foreach(index IN LISTS selected)
    list(GET cases ${index} case)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 program)
    list(GET fields 2 expected)
    list(GET fields 3 line)
    string(APPEND calls "run_program(${name} \"${program}\" \"${expected}\")\n")
    string(APPEND summary "${line}\n")
  endforeach()
  file(WRITE ${WORK_DIR}/list.cmake "${calls}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DLIST=${WORK_DIR}/list.cmake -DSAMPLE=${SAMPLE} -DWORK_DIR=${runs}
                          -P ${RUN_SCRIPT}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  set(problems "")
  string(LENGTH "${out}" out_length)
  string(LENGTH "${summary}" summary_length)
  math(EXPR start "${out_length} - ${summary_length}")
  set(tail "")
  if(start GREATER 0)
    string(SUBSTRING "${out}" ${start} -1 tail)
  endif()
  if(NOT tail STREQUAL summary)
    string(APPEND problems "stdout does not end with\n${summary}")
  endif()
  string(FIND "${out}" "==> as_expected\n${output}==> " at)
  if(at EQUAL -1)
    string(APPEND problems "the program's output does not follow its heading\n")
  endif()
  if(NOT status STREQUAL status_wanted AND NOT (status_wanted STREQUAL "failing" AND NOT status EQUAL 0))
    string(APPEND problems "status ${status}, expected ${status_wanted}\n")
  endif()
  if(NOT err MATCHES "${stderr_regex}")
    string(APPEND problems "stderr does not match '${stderr_regex}'\n")
  endif()
  if(problems)
    set(failures "${failures}cases ${selected}:\n${problems}stdout:\n${out}stderr:\n${err}\n" PARENT_SCOPE)
  endif()
endfunction()

check("0;3" 0 "^$")
check("0;1;2;3" failing "2 of 4 programs failed or did not print their expected output")

if(failures)
  message("${failures}")
  message(FATAL_ERROR "run script test failed")
endif()
