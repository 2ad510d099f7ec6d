# cmake -DPICTURES=DIR -DOUT=FILE -P PictureSizes.cmake: the width and height
# of each of the form's pictures, read from the PNG headers, as a script part,
# so the page places the buttons' faces without loading the pictures first.
include(${CMAKE_CURRENT_LIST_DIR}/FormPictures.cmake)
set(entries "")
foreach(name IN LISTS form_picture_names)
  # After the eight-byte signature, the IHDR chunk's length and type, then the
  # width and height as big-endian 32-bit numbers.
  file(READ ${PICTURES}/${name}.png header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING ${header} 0 8 width)
  string(SUBSTRING ${header} 8 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  list(APPEND entries "${name}: [${width}, ${height}]")
endforeach()
list(JOIN entries ", " text)
file(WRITE ${OUT}.new "// The form's pictures' widths and heights, read from them when the bundle was built.
const MoyoPictureSizes = { ${text} };
")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
