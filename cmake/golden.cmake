# Golden-output check for one program run; invoked by the tests that quillmere_golden_test declares.
# Inputs: PROGRAM, EXPECTED, INPUT_MODE (file|dir|none), INPUT_FILE, EXIT_CODE, STDERR_REGEX,
#         STDOUT_MODE (pipe|file|terminal), RUNNER, WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(input ${WORK_DIR}/Quillmere01.Start.cpp)
if(INPUT_MODE STREQUAL "file")
  file(COPY_FILE ${INPUT_FILE} ${input})
elseif(INPUT_MODE STREQUAL "dir")
  file(MAKE_DIRECTORY ${input})
endif()

# The runner saves the bytes exactly (CMake's own capture would drop carriage returns), and the comparison is of
# bytes too.
execute_process(COMMAND ${RUNNER} ${STDOUT_MODE} ${WORK_DIR}/stdout.txt ${PROGRAM} WORKING_DIRECTORY ${WORK_DIR}
                INPUT_FILE /dev/null
                ERROR_VARIABLE err RESULT_VARIABLE status)
file(READ ${WORK_DIR}/stdout.txt out HEX)
file(READ ${EXPECTED} expected HEX)

set(failures "")
if(NOT out STREQUAL expected)
  execute_process(COMMAND diff -u -a --label "expected ${EXPECTED}" --label "actual ${WORK_DIR}/stdout.txt"
                          ${EXPECTED} ${WORK_DIR}/stdout.txt
                  OUTPUT_VARIABLE difference)
  string(APPEND failures "stdout differs:\n${difference}")
endif()
if(NOT "${status}" STREQUAL "${EXIT_CODE}")
  string(APPEND failures "exit status ${status}, expected ${EXIT_CODE}\n")
endif()
if(STDERR_REGEX STREQUAL "")
  if(NOT err STREQUAL "")
    string(APPEND failures "unexpected stderr:\n${err}\n")
  endif()
elseif(NOT err MATCHES "${STDERR_REGEX}")
  string(APPEND failures "stderr does not match '${STDERR_REGEX}':\n${err}\n")
endif()
if(failures)
  # A plain message is printed as it is; an error message would be wrapped and indented, diff lines included.
  message("${failures}")
  message(FATAL_ERROR "golden test of ${PROGRAM} failed")
endif()
