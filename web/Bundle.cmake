# cmake -DPICTURES=DIR -DBUNDLE=DIR -DDEMO=DIR -P Bundle.cmake: copies the board
# pictures, the form's pictures and the demo page beside the module.
file(GLOB board_pictures ${PICTURES}/baseb.png ${PICTURES}/bedge.png ${PICTURES}/gedge.png
     ${PICTURES}/[bw][sm][0-9]*.png)
# The desktop's doubled pictures for high-density screens stay out of the page.
list(FILTER board_pictures EXCLUDE REGEX "_2x\\.png$")
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
