# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# The manual page renders without a diagnostic, both as man shows it (as
# lintian runs it: UTF-8 at 80 columns, man's warnings on) and through groff
# with every warning on, and its NAME line gives whatis a usable entry.
# Usage: cmake -DPAGE=<page.1> -P check_manual_page.cmake
cmake_minimum_required(VERSION 3.25)

foreach(tool man groff lexgrog)
  find_program(tool_path_${tool} ${tool})
  if(NOT tool_path_${tool})
    message(FATAL_ERROR "${tool} is not installed (Debian packages man-db and groff-base)")
  endif()
endforeach()

set(failures)
set(ENV{MANWIDTH} 80)
set(ENV{MAN_KEEP_STDERR} 1)
foreach(renderer
    "${tool_path_man};--warnings;-E;UTF-8;-l;-Tutf8;-Z;${PAGE}"
    "${tool_path_groff};-k;-ww;-Tutf8;-man;-z;${PAGE}")
  execute_process(COMMAND ${renderer}
    OUTPUT_QUIET ERROR_VARIABLE diagnostics RESULT_VARIABLE rc)
  list(GET renderer 0 program)
  cmake_path(GET program FILENAME program)
  if(NOT rc EQUAL 0 OR NOT diagnostics STREQUAL "")
    list(APPEND failures "${program} (exit ${rc}):\n${diagnostics}")
  endif()
endforeach()

execute_process(COMMAND ${tool_path_lexgrog} ${PAGE}
  OUTPUT_VARIABLE whatis ERROR_VARIABLE whatis RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT whatis MATCHES ": \"arvan - [^\"]+\"")
  list(APPEND failures "no whatis entry \"arvan - ...\" in the NAME section: ${whatis}")
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Manual page check failed:\n  ${text}")
endif()
message(STATUS "${PAGE} renders cleanly: ${whatis}")
