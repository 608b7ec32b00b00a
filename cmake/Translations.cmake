# SPDX-License-Identifier: GPL-3.0-or-later
# The translations of the program's texts. translations/quavero_<lang>.ts are
# the sources; the build compiles them with lrelease into
# build/bin/translations/quavero_<lang>.qm, beside the programs, where both
# programs look first, and installs them into <prefix>/share/quavero/translations.
# `cmake --build build --target update_translations` runs lupdate over every
# source file and layout to bring the .ts files up to date with the code.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(QUAVERO_LANGUAGES de fr es)
set(QUAVERO_TS_FILES "")
foreach(lang ${QUAVERO_LANGUAGES})
  list(APPEND QUAVERO_TS_FILES ${CMAKE_SOURCE_DIR}/translations/quavero_${lang}.ts)
endforeach()
set_source_files_properties(${QUAVERO_TS_FILES} PROPERTIES OUTPUT_LOCATION ${QUAVERO_RUNTIME_DIR}/translations)

file(GLOB_RECURSE quavero_translated_sources CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h ${CMAKE_SOURCE_DIR}/src/*.ui)
# Without line numbers, a .ts file changes only when a text does.
qt_add_translations(quavero
  TS_FILES ${QUAVERO_TS_FILES}
  SOURCES ${quavero_translated_sources}
  INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/src
  LUPDATE_OPTIONS -locations none -no-obsolete
  QM_FILES_OUTPUT_VARIABLE QUAVERO_QM_FILES)
add_dependencies(quavero-cli quavero_lrelease)

# How the installed programs find the installed .qm files from their own folder.
set(QUAVERO_INSTALL_TRANSLATIONS_DIR ${CMAKE_INSTALL_DATADIR}/quavero/translations)
file(RELATIVE_PATH QUAVERO_INSTALLED_TRANSLATIONS_FROM_BIN
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${QUAVERO_INSTALL_TRANSLATIONS_DIR})
target_compile_definitions(quavero_platform_core PRIVATE
  QUAVERO_INSTALLED_TRANSLATIONS="${QUAVERO_INSTALLED_TRANSLATIONS_FROM_BIN}")
install(FILES ${QUAVERO_QM_FILES} DESTINATION ${QUAVERO_INSTALL_TRANSLATIONS_DIR})
