# Checks that the committed tune and click are what resources/tools/make_media.py writes.
# Expects PYTHON, RESOURCES (the resources folder) and OUT (a scratch folder).
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${PYTHON} ${RESOURCES}/tools/make_media.py ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_media.py failed: ${status}")
endif()
foreach(file M_S1.mid 音１.wav)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${RESOURCES}/${file} ${OUT}/${file} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "resources/${file} is not what make_media.py writes; run the script and commit its output")
  endif()
endforeach()
