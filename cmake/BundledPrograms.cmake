# SPDX-License-Identifier: GPL-3.0-or-later
# The converter runs ffmpeg and sox as child processes. They are found at
# configure time and linked into a resources/ folder beside the built
# executables (build/bin/resources), where the program looks for them first.
# `cmake --install` links them, with relative links, into
# <prefix>/libexec/quavero/resources, which the installed program finds
# relative to its own folder. Both fall back to the PATH.
find_program(QUAVERO_FFMPEG ffmpeg)
find_program(QUAVERO_SOX sox)
if(NOT QUAVERO_FFMPEG)
  message(WARNING "ffmpeg not found: install the Debian package 'ffmpeg'")
endif()
if(NOT QUAVERO_SOX)
  message(WARNING "sox not found: install the Debian package 'sox'")
endif()

# Where quavero and quavero-cli are built.
set(QUAVERO_RUNTIME_DIR ${CMAKE_BINARY_DIR}/bin)
set(QUAVERO_RESOURCES_DIR ${QUAVERO_RUNTIME_DIR}/resources)
file(MAKE_DIRECTORY ${QUAVERO_RESOURCES_DIR})

# The installed resources folder as seen from the installed executables.
set(QUAVERO_INSTALL_RESOURCES_DIR ${CMAKE_INSTALL_LIBEXECDIR}/quavero/resources)
file(RELATIVE_PATH QUAVERO_INSTALLED_RESOURCES_FROM_BIN
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${QUAVERO_INSTALL_RESOURCES_DIR})

foreach(prog ffmpeg sox)
  string(TOUPPER ${prog} up)
  if(QUAVERO_${up})
    file(CREATE_LINK ${QUAVERO_${up}} ${QUAVERO_RESOURCES_DIR}/${prog} SYMBOLIC)
    # The installed link is relative (../../../bin/ffmpeg under /usr), so it
    # points at the same program inside a package's root or an unpacked copy.
    install(CODE "
      set(folder \"\${CMAKE_INSTALL_PREFIX}/${QUAVERO_INSTALL_RESOURCES_DIR}\")
      file(RELATIVE_PATH target \"\${folder}\" \"${QUAVERO_${up}}\")
      file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${folder}\")
      file(REMOVE \"\$ENV{DESTDIR}\${folder}/${prog}\")
      file(CREATE_LINK \"\${target}\" \"\$ENV{DESTDIR}\${folder}/${prog}\" SYMBOLIC)
    ")
  endif()
endforeach()
