# The translations: translations/<domain>_<language>.ts in the source tree, compiled by lrelease at
# build time into resources under ":/translations". The domain "oriastra" holds the program's own
# texts; `cmake --build build --target translations-update` refreshes those files from the sources
# with lupdate, keeping what is already translated. The domain "toolkit" holds the toolkit's own
# dialog texts for languages the toolkit ships no translation of; it is kept by hand.
# The logic marks its texts with ORIASTRA_TEXT(context, text) and looks them up with
# Translated(context, text), which lupdate is told to read as its own macros.
set(ORIASTRA_LUPDATE_ALIASES -tr-function-alias
    QT_TRANSLATE_NOOP+=ORIASTRA_TEXT,translate+=Translated)

function(oriastra_add_translations target)
  set(qt_bin "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
  find_program(ORIASTRA_LRELEASE NAMES lrelease lrelease-qt6 HINTS "${qt_bin}" REQUIRED)
  find_program(ORIASTRA_LUPDATE NAMES lupdate lupdate-qt6 HINTS "${qt_bin}" REQUIRED)

  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*_*.ts)
  list(SORT sources)
  file(GLOB own_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/oriastra_*.ts)
  set(entries "")
  set(compiled "")
  foreach(source IN LISTS sources)
    get_filename_component(name "${source}" NAME_WE)
    set(qm ${PROJECT_BINARY_DIR}/translations/${name}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${ORIASTRA_LRELEASE} -silent ${source} -qm ${qm}
      DEPENDS ${source}
      COMMENT "Compiling the translation ${name}")
    list(APPEND compiled ${qm})
    string(APPEND entries "    <file alias=\"${name}.qm\">${qm}</file>\n")
  endforeach()
  oriastra_add_built_resources(${target} translations "${entries}" ${compiled})

  add_custom_target(translations-update
    COMMAND ${ORIASTRA_LUPDATE} -locations relative -no-obsolete ${ORIASTRA_LUPDATE_ALIASES}
            ${PROJECT_SOURCE_DIR}/src -ts ${own_sources}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    VERBATIM)
endfunction()
