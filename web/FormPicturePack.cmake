# cmake -DPICTURES=DIR -DPACK=FILE -DOUT=FILE -P FormPicturePack.cmake: the
# form's pictures as one download, PACK (the PNG files one after another), and
# a script part, OUT, naming where each lies in it and its width and height
# (read from the PNG header), so the page fetches them in one request and
# places the buttons' faces without decoding a picture first.
include(${CMAKE_CURRENT_LIST_DIR}/FormPictures.cmake)
set(files "")
set(entries "")
set(offset 0)
foreach(name IN LISTS form_picture_names)
  set(file ${PICTURES}/${name}.png)
  file(SIZE ${file} length)
  # After the eight-byte signature, the IHDR chunk's length and type, then the
  # width and height as big-endian 32-bit numbers.
  file(READ ${file} header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING ${header} 0 8 width)
  string(SUBSTRING ${header} 8 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  list(APPEND files ${file})
  list(APPEND entries "${name}: [${offset}, ${length}, ${width}, ${height}]")
  math(EXPR offset "${offset} + ${length}")
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${files} OUTPUT_FILE ${PACK} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot write ${PACK}")
endif()
list(JOIN entries ",\n  " text)
file(WRITE ${OUT}.new "// The form's pictures in artwork/form.pack: offset, length, width and height.
const MoyoFormPictures = {
  ${text},
};
")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
