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
# The form's button faces (four frames each), the player strip, the title and
# the function bar's wallpaper.
set(form_pictures)
foreach(name arrow1 arrow2 arrow3 arrow4 arrow5 arrow6 auto autoend test testend order orderend
             newsup newsdown movebtn hintbtn hintxbtn bbtn wbtn bwbtn printbtn playerstrip title
             wallpaper)
  if(NOT EXISTS ${PICTURES}/${name}.png)
    message(FATAL_ERROR "${PICTURES}/${name}.png is missing: build the native tree's artwork first")
  endif()
  list(APPEND form_pictures ${PICTURES}/${name}.png)
endforeach()
file(MAKE_DIRECTORY ${BUNDLE}/artwork)
file(COPY ${board_pictures} ${form_pictures} DESTINATION ${BUNDLE}/artwork)
file(COPY ${DEMO}/ DESTINATION ${BUNDLE})
