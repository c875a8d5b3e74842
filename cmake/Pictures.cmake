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

# The pictures the first window shows, at the sizes it shows them (logical pixels), are drawn at
# build time for pixel ratios 1 and 2 by oriastra-predraw-picture, which draws as the program
# does, into resources under ":/predrawn" kept uncompressed: starting, the program then draws no
# SVG (SvgPicture.cpp). Any other picture or size is drawn at run time.
set(ORIASTRA_PREDRAWN_PICTURES "app/*.svg=64" "frmMDI/*.svg=40")
set(ORIASTRA_PREDRAWN_RATIOS 1 2)

function(oriastra_predraw_pictures target)
  set(entries "")
  set(drawn "")
  foreach(group IN LISTS ORIASTRA_PREDRAWN_PICTURES)
    string(REPLACE "=" ";" pattern_and_size "${group}")
    list(GET pattern_and_size 0 pattern)
    list(GET pattern_and_size 1 size)
    file(GLOB pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*/pictures/${pattern})
    list(SORT pictures)
    foreach(picture IN LISTS pictures)
      string(REGEX REPLACE "^.*/pictures/" "" alias "${picture}")
      foreach(ratio IN LISTS ORIASTRA_PREDRAWN_RATIOS)
        math(EXPR pixels "${size} * ${ratio}")
        set(name "${alias}@${pixels}x${pixels}")
        set(out ${PROJECT_BINARY_DIR}/predrawn/${name})
        get_filename_component(folder "${out}" DIRECTORY)
        # A sanitized build's tool would report the toolkit's own leftovers at exit.
        add_custom_command(OUTPUT ${out}
          COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
          COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                  $<TARGET_FILE:oriastra-predraw-picture> ${picture} ${out} ${pixels} ${pixels}
          DEPENDS oriastra-predraw-picture ${picture}
          COMMENT "Drawing ${name}"
          VERBATIM)
        list(APPEND drawn ${out})
        string(APPEND entries
               "    <file alias=\"${name}\" compression-algorithm=\"none\">${out}</file>\n")
      endforeach()
    endforeach()
  endforeach()
  oriastra_add_built_resources(${target} predrawn "${entries}" ${drawn})
endfunction()
