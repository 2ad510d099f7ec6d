# cmake -DPICTURES=DIR -DFORM_PACK=FILE -DBUNDLE=DIR -DDEMO=DIR -P Bundle.cmake:
# copies the board pictures, the form's pictures and the demo page beside the module.
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
file(MAKE_DIRECTORY ${BUNDLE}/artwork)
# A board's pictures travel in two packs, the raw pictures one after another:
# board.pack (the wood and the edges) and stonesN.pack (the four stone
# pictures of cell size N).
include(${CMAKE_CURRENT_LIST_DIR}/JoinFiles.cmake)
function(moyo_pack name)
  list(TRANSFORM ARGN PREPEND ${PICTURES}/)
  list(TRANSFORM ARGN APPEND .rgba)
  moyo_join_files(${BUNDLE}/artwork/${name}.pack ${ARGN})
endfunction()
moyo_pack(board baseb bedge gedge)
foreach(cell RANGE 10 59)
  moyo_pack(stones${cell} bs${cell} ws${cell} bm${cell} wm${cell})
endforeach()
# The form's pictures travel together, in the pack FormPicturePack.cmake made.
file(COPY ${FORM_PACK} DESTINATION ${BUNDLE}/artwork)
file(COPY ${DEMO}/ DESTINATION ${BUNDLE})
