# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers

# Installs the build into a scratch tree as the Debian package lays it out
# (prefix /usr) and checks that a desktop finds everything: the program that
# the desktop entry runs, the icon it names at every size, and the desktop
# entry that the metainfo launches; and that the licence's text is installed,
# while Debian's own changelog and copyright files are left to the package.
# Usage: cmake -DBUILD_DIR=<build> -DSTAGE=<scratch dir> -DAPP_ID=<id>
#              -DSIZES="16;32;..." -P check_install_tree.cmake

include(${CMAKE_CURRENT_LIST_DIR}/appstream_issues.cmake)

file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()
set(usr ${STAGE}/usr)

set(failures)
set(desktop ${usr}/share/applications/arvan.desktop)
if(NOT EXISTS ${desktop})
  message(FATAL_ERROR "No desktop entry at ${desktop}")
endif()
file(STRINGS ${desktop} exec_line REGEX "^Exec=")
file(STRINGS ${desktop} icon_line REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]*).*" "\\1" program "${exec_line}")
string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")

set(binary ${usr}/bin/${program})
if(program STREQUAL "" OR NOT EXISTS ${binary} OR IS_DIRECTORY ${binary})
  list(APPEND failures "Exec=${program}: no such program in /usr/bin")
endif()
set(icons ${usr}/share/icons/hicolor)
if(icon STREQUAL "" OR NOT EXISTS ${icons}/scalable/apps/${icon}.svg)
  list(APPEND failures "Icon=${icon}: no scalable/apps/${icon}.svg")
endif()
foreach(size IN LISTS SIZES)
  if(NOT EXISTS ${icons}/${size}x${size}/apps/${icon}.png)
    list(APPEND failures "Icon=${icon}: no ${size}x${size}/apps/${icon}.png")
  endif()
endforeach()
if(NOT EXISTS ${usr}/share/metainfo/${APP_ID}.metainfo.xml)
  list(APPEND failures "no share/metainfo/${APP_ID}.metainfo.xml")
endif()

set(doc ${usr}/share/doc/arvan)
if(NOT EXISTS ${doc}/LICENSE)
  list(APPEND failures "no share/doc/arvan/LICENSE")
endif()
foreach(debian_file changelog.gz changelog.Debian.gz copyright)
  if(EXISTS ${doc}/${debian_file})
    list(APPEND failures "share/doc/arvan/${debian_file} is Debian's: only its package installs it")
  endif()
endforeach()

# validate-tree also checks that the desktop entry the metainfo launches is
# installed beside it.
arvan_appstream_issues(issues validate-tree ${STAGE})
if(issues)
  list(APPEND failures "appstreamcli validate-tree --pedantic:\n${issues}")
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Install tree check failed:\n  ${text}")
endif()
message(STATUS "The install tree under ${STAGE} is complete")
