# The translations of the captions outside the language files and of the messages: one Qt
# translation source per language file (translations/en.ts for lng/en.lng), compiled by lrelease
# (Debian: qt6-l10n-tools) into bin/<language>.qm beside the executables, where the program
# looks for it first. French is built in and has none. Without lrelease the program is built in
# French only (and says so here).
set(PISTORA_TRANSLATIONS en)
find_program(PISTORA_LRELEASE NAMES lrelease-qt6 lrelease HINTS /usr/lib/qt6/bin /usr/lib/qt6/libexec)
set(PISTORA_QM_FILES "")
if(PISTORA_LRELEASE)
  foreach(language ${PISTORA_TRANSLATIONS})
    set(ts ${PROJECT_SOURCE_DIR}/translations/${language}.ts)
    set(qm ${CMAKE_BINARY_DIR}/bin/${language}.qm)
    add_custom_command(
      OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin
      COMMAND ${PISTORA_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts}
      COMMENT "Compiling ${language}.ts")
    list(APPEND PISTORA_QM_FILES ${qm})
  endforeach()
  add_custom_target(pistora_translations ALL DEPENDS ${PISTORA_QM_FILES})
else()
  message(WARNING "lrelease not found (qt6-l10n-tools): no translation files, the program stays in French")
endif()
