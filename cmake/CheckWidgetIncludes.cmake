# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a widget includes the application controller. Only app/ and the
# AppDelegate_<Subsystem>.cpp files may include app/AppDelegate.h; a widget
# takes what it shows instead. Run as: cmake -DSOURCE_DIR=<src> -P this file.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
set(offenders "")
foreach(source ${sources})
  if(source MATCHES "^app/" OR source MATCHES "(^|/)AppDelegate_[A-Za-z]+\\.cpp$")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](app/)?AppDelegate\\.h[\">]")
  if(lines)
    list(APPEND offenders ${source})
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " listed)
  message(FATAL_ERROR "These files include app/AppDelegate.h; give the widget what it shows instead:\n  ${listed}")
endif()
