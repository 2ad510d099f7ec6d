# moyo_join_files(OUT FILE...): OUT holds the files one after another. An OUT
# that would not change is left as it is, so its date (and the tag a browser
# keeps it by) stays.
function(moyo_join_files out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${ARGN} OUTPUT_FILE ${out}.new
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot write ${out}")
  endif()
  file(COPY_FILE ${out}.new ${out} ONLY_IF_DIFFERENT)
  file(REMOVE ${out}.new)
endfunction()
