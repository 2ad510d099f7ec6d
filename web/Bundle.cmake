# cmake -DPICTURES=DIR -DBUNDLE=DIR -DDEMO=DIR -P Bundle.cmake: copies the board
# pictures, the form's pictures and the demo page beside the module.
# The board's pictures go raw (see the artwork generator): the page hands them
# to its painter as they arrive, with nothing to decode.
file(GLOB board_pictures ${PICTURES}/baseb.rgba ${PICTURES}/bedge.rgba ${PICTURES}/gedge.rgba
     ${PICTURES}/[bw][sm][0-9]*.rgba)
list(LENGTH board_pictures count)
# Wood, two edges and four pictures for each cell size from 10 to 59.
if(NOT count EQUAL 203)
  message(FATAL_ERROR "expected 203 board pictures in ${PICTURES}, found ${count}: "
                      "build the native tree's artwork first")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/FormPictures.cmake)
set(form_pictures)
foreach(name IN LISTS form_picture_names)
  if(NOT EXISTS ${PICTURES}/${name}.png)
    message(FATAL_ERROR "${PICTURES}/${name}.png is missing: build the native tree's artwork first")
  endif()
  list(APPEND form_pictures ${PICTURES}/${name}.png)
endforeach()
file(MAKE_DIRECTORY ${BUNDLE}/artwork)
file(COPY ${board_pictures} ${form_pictures} DESTINATION ${BUNDLE}/artwork)
file(COPY ${DEMO}/ DESTINATION ${BUNDLE})
