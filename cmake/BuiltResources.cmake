# Files the build makes, compiled into `target` as resources under ":/<name>" (the resource file
# is <name>.qrc, so the program registers it as Q_INIT_RESOURCE(<name>)). `entries` holds the
# <file> lines; the files, given after it, are made before the target is built.
function(oriastra_add_built_resources target name entries)
  set(qrc ${PROJECT_BINARY_DIR}/${name}.qrc)
  file(CONFIGURE OUTPUT ${qrc}
       CONTENT "<RCC>\n  <qresource prefix=\"/${name}\">\n${entries}  </qresource>\n</RCC>\n")
  add_custom_target(oriastra_${name} DEPENDS ${ARGN})
  add_dependencies(${target} oriastra_${name})
  target_sources(${target} PRIVATE ${qrc})
endfunction()
