# Builds the example board into the build folder and compares it with the committed one.
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make_example_board failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "examples/example.pvb6 is not what make_example_board builds; "
                      "rebuild it with: build/examples/make_example_board examples/example.pvb6")
endif()
