# SPDX-License-Identifier: GPL-3.0-or-later
# The documentation Debian expects in a package: gzip-compressed manual
# pages, the Debian changelog (changelog.gz, as the version carries no Debian
# revision) and the machine-readable copyright file. gzip -n leaves out the
# name and time stamp, so the same sources give the same bytes.
find_program(QUAVERO_GZIP gzip REQUIRED)
set(QUAVERO_DOCS_DIR ${CMAKE_BINARY_DIR}/doc)
file(MAKE_DIRECTORY ${QUAVERO_DOCS_DIR})

set(quavero_docs "")
# quavero_gzip_doc(<source> <name in the build folder>): <name>.gz, rebuilt
# when the source changes.
function(quavero_gzip_doc source name)
  set(out ${QUAVERO_DOCS_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${QUAVERO_DOCS_DIR}/${name}
    COMMAND ${QUAVERO_GZIP} -9nf ${QUAVERO_DOCS_DIR}/${name}
    DEPENDS ${source}
    VERBATIM)
  set(quavero_docs ${quavero_docs} ${out} PARENT_SCOPE)
endfunction()

quavero_gzip_doc(${CMAKE_SOURCE_DIR}/data/quavero.1 quavero.1)
quavero_gzip_doc(${CMAKE_SOURCE_DIR}/data/quavero-cli.1 quavero-cli.1)
quavero_gzip_doc(${CMAKE_SOURCE_DIR}/data/debian/changelog changelog)
add_custom_target(quavero_docs ALL DEPENDS ${quavero_docs})

install(FILES ${QUAVERO_DOCS_DIR}/quavero.1.gz ${QUAVERO_DOCS_DIR}/quavero-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUAVERO_DOCS_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quavero)
