# One resource file for every picture. Each folder under src/ keeps its pictures in pictures/,
# by window; the resource path is the path inside that folder (":/frmMDI/tibetan.svg"). The list
# is written from the folders, so a new SVG needs no list to be kept up to date.
function(oriastra_add_pictures target)
  file(GLOB_RECURSE pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*/pictures/*.svg)
  list(SORT pictures)
  set(entries "")
  foreach(picture IN LISTS pictures)
    string(REGEX REPLACE "^.*/pictures/" "" alias "${picture}")
    string(APPEND entries "    <file alias=\"${alias}\">${picture}</file>\n")
  endforeach()
  set(qrc ${PROJECT_BINARY_DIR}/pictures.qrc)
  file(CONFIGURE OUTPUT ${qrc} CONTENT "<RCC>\n  <qresource prefix=\"/\">\n${entries}  </qresource>\n</RCC>\n")
  target_sources(${target} PRIVATE ${qrc})
endfunction()
