# cmake -DPACK=FILE -DSCRIPT=FILE -DVARIABLE=NAME "-DENTRIES=key=file;..."
#       [-DPNG_SIZES=ON] -P Pack.cmake:
# joins files into one download, PACK, one after another, and writes a script
# part, SCRIPT, naming where each lies in it: VARIABLE = { key: [offset,
# length] }, with PNG_SIZES also the width and height read from the PNG
# header, so the page can place a picture before it is decoded.
set(files "")
set(entries "")
set(fields_said "offset and length")
if(PNG_SIZES)
  set(fields_said "offset, length, width and height")
endif()
set(offset 0)
foreach(entry IN LISTS ENTRIES)
  string(REGEX MATCH "^([^=]+)=(.+)$" matched ${entry})
  set(key ${CMAKE_MATCH_1})
  set(file ${CMAKE_MATCH_2})
  file(SIZE ${file} length)
  set(fields "${offset}, ${length}")
  if(PNG_SIZES)
    # After the eight-byte signature, the IHDR chunk's length and type, then
    # the width and height as big-endian 32-bit numbers.
    file(READ ${file} header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING ${header} 0 8 width)
    string(SUBSTRING ${header} 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    string(APPEND fields ", ${width}, ${height}")
  endif()
  list(APPEND files ${file})
  list(APPEND entries "'${key}': [${fields}]")
  math(EXPR offset "${offset} + ${length}")
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/JoinFiles.cmake)
moyo_join_files(${PACK} ${files})
get_filename_component(pack_name ${PACK} NAME)
list(JOIN entries ",\n  " text)
file(WRITE ${SCRIPT}.new "// Where each part lies in ${pack_name}: ${fields_said}.
const ${VARIABLE} = {
  ${text},
};
")
file(COPY_FILE ${SCRIPT}.new ${SCRIPT} ONLY_IF_DIFFERENT)
