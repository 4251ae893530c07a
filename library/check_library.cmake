# Builds the macro library into the build folder and compares it, file by file, with the
# committed one.
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make_macro_library failed")
endif()
file(GLOB_RECURSE built RELATIVE ${OUTPUT} ${OUTPUT}/*)
file(GLOB_RECURSE committed RELATIVE ${EXPECTED} ${EXPECTED}/*)
list(SORT built)
list(SORT committed)
if(NOT built STREQUAL committed)
  message(FATAL_ERROR "library/Makros does not hold the files make_macro_library builds; "
                      "rebuild it with: build/library/make_macro_library library/Makros")
endif()
foreach(name IN LISTS built)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT}/${name} ${EXPECTED}/${name}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "library/Makros/${name} is not what make_macro_library builds; "
                        "rebuild it with: build/library/make_macro_library library/Makros")
  endif()
endforeach()
