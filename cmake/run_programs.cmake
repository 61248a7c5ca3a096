# Runs one program in WORK_DIR (which holds a copy of SAMPLE) after a one-line heading.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY_FILE ${SAMPLE} ${WORK_DIR}/Quillmere01.Start.cpp)
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "==> ${NAME}")
execute_process(COMMAND ${PROGRAM} WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NAME} exited with status ${status}")
endif()
