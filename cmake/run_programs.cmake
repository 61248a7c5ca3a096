# Runs programs on the sample text, each in its own working directory holding a copy of it, and shows each
# one's output under a heading. Ends with one line per program saying whether it did what it should:
#   <name>: output as expected
#   <name>: output differs from the expected output: diff -u <expected> <actual>
#   <name>: no expected output to compare with
# with "exit status <status>, " before it when the program failed. Every program runs even when one before it
# failed; the script fails at the end if any program failed or printed something other than its expected output.
# Inputs: LIST, a file of run_program(<name> <executable> <expected output file, or "">) calls; SAMPLE; WORK_DIR.
cmake_minimum_required(VERSION 3.25)

set(summary "")
set(failed 0)
set(count 0)

function(run_program name program expected)
  set(dir ${WORK_DIR}/${name})
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${SAMPLE} ${dir}/Quillmere01.Start.cpp)
  set(actual ${dir}/stdout.txt)

  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "==> ${name}")
  execute_process(COMMAND ${program} WORKING_DIRECTORY ${dir} INPUT_FILE /dev/null OUTPUT_FILE ${actual}
                  ERROR_VARIABLE err RESULT_VARIABLE status)
  execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${actual})
  # A last line left open would run into the next heading.
  file(READ ${actual} out)
  if(out MATCHES "[^\n]$")
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "")
  endif()
  if(NOT err STREQUAL "")
    message(NOTICE "${name} on stderr:\n${err}")
  endif()

  set(line "${name}: ")
  set(ok TRUE)
  if(NOT "${status}" STREQUAL "0")
    string(APPEND line "exit status ${status}, ")
    set(ok FALSE)
  endif()
  if(expected STREQUAL "")
    string(APPEND line "no expected output to compare with")
  else()
    file(READ ${expected} wanted)
    if(out STREQUAL wanted)
      string(APPEND line "output as expected")
    else()
      string(APPEND line "output differs from the expected output: diff -u ${expected} ${actual}")
      set(ok FALSE)
    endif()
  endif()

  set(summary "${summary}${line}\n" PARENT_SCOPE)
  math(EXPR count "${count} + 1")
  set(count ${count} PARENT_SCOPE)
  if(NOT ok)
    math(EXPR failed "${failed} + 1")
    set(failed ${failed} PARENT_SCOPE)
  endif()
endfunction()

include(${LIST})

execute_process(COMMAND ${CMAKE_COMMAND} -E echo "==> Summary")
execute_process(COMMAND ${CMAKE_COMMAND} -E echo_append "${summary}")
if(failed GREATER 0)
  message(FATAL_ERROR "${failed} of ${count} programs failed or did not print their expected output")
endif()
