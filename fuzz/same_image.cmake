# Writes an image from its description and fails when it differs from the
# committed image of the same description.
execute_process(COMMAND ${OPIMAGE} ${DESCRIPTION} -o ${WRITTEN} RESULT_VARIABLE written)
if(NOT written EQUAL 0)
  message(FATAL_ERROR "opimage could not write ${DESCRIPTION}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WRITTEN} ${COMMITTED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} no longer matches ${DESCRIPTION}; write it again with opimage")
endif()
