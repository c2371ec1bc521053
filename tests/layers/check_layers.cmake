# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers

# The folders are the program's layers, from the bottom: keyboard/ (the key
# slot table), form/ (the form's data and the platform interface), drill/
# (the routines that change the form and the drill's rules), app/ (the
# window's facade); above them the two front ends, ui/ (Qt) and web/core/
# (the page's bindings). A file includes the project's headers only from
# its own layer and those below it, a front end never the other's, and the
# core no Qt header. Fails naming every include that runs the other way.
cmake_minimum_required(VERSION 3.25)
set(layers keyboard form drill app)
set(problems "")
foreach(folder keyboard form drill app ui web/core)
  file(GLOB files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  if(folder IN_LIST layers)
    list(FIND layers ${folder} own)
  else()
    list(LENGTH layers own)  # a front end stands on the whole core
  endif()
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^#include [\"<]")
    file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include \"([a-z_]+(/core)?)/")
        set(included ${CMAKE_MATCH_1})
        list(FIND layers ${included} rank)
        if(rank EQUAL -1 AND NOT included STREQUAL folder)
          string(APPEND problems "  ${name}: ${line} (another front end)\n")
        elseif(rank GREATER own)
          string(APPEND problems "  ${name}: ${line} (a layer above)\n")
        endif()
      elseif(line MATCHES "^#include <Q" AND own LESS 4)
        string(APPEND problems "  ${name}: ${line} (Qt in the core)\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "Includes that run against the layers:\n${problems}")
endif()
