# cmake -DOUT=FILE -DPARTS=a.js;b.js -P Concatenate.cmake: joins the element's
# script parts, in order, into the one script appended to the module's loader.
set(text "")
foreach(part IN LISTS PARTS)
  file(READ ${part} content)
  string(APPEND text "${content}\n")
endforeach()
file(WRITE ${OUT}.new "${text}")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
