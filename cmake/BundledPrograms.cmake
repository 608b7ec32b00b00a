# The converter runs ffmpeg and sox as child processes. They are found at
# configure time and linked into a resources/ folder beside the executables,
# where the program looks for them first (it falls back to the PATH).
find_program(QUAVERO_FFMPEG ffmpeg)
find_program(QUAVERO_SOX sox)
if(NOT QUAVERO_FFMPEG)
  message(WARNING "ffmpeg not found: install the Debian package 'ffmpeg'")
endif()
if(NOT QUAVERO_SOX)
  message(WARNING "sox not found: install the Debian package 'sox'")
endif()

set(QUAVERO_RESOURCES_DIR ${CMAKE_BINARY_DIR}/resources)
file(MAKE_DIRECTORY ${QUAVERO_RESOURCES_DIR})
foreach(prog ffmpeg sox)
  string(TOUPPER ${prog} up)
  if(QUAVERO_${up})
    file(CREATE_LINK ${QUAVERO_${up}} ${QUAVERO_RESOURCES_DIR}/${prog} SYMBOLIC)
    install(CODE "
      file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/quavero/resources\")
      file(CREATE_LINK \"${QUAVERO_${up}}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/quavero/resources/${prog}\" SYMBOLIC)
    ")
  endif()
endforeach()
