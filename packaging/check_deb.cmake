# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Checks the Debian package that scripts/build-deb made:
#   - its version is the project's;
#   - lintian --pedantic reports no error and no warning on it, nor any
#     hardening or unneeded-section tag at whatever level;
#   - every library that the program opens at run time with dlopen(), which
#     dpkg-shlibdeps cannot see, comes from a package that the package
#     depends on or recommends (either name where a newer release renamed
#     it: Recommends then lists both).
# Usage: cmake -DDEB_DIR=<folder of the package> -DVERSION=<project version>
#              -DSOURCE_DIR=<source> -P check_deb.cmake
cmake_minimum_required(VERSION 3.25)

foreach(tool lintian dpkg-deb dpkg)
  find_program(tool_path_${tool} ${tool})
  if(NOT tool_path_${tool})
    message(FATAL_ERROR "${tool} is not installed (scripts/packages/test.txt names its package)")
  endif()
endforeach()

file(GLOB debs ${DEB_DIR}/arvan_*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "${count} packages arvan_*.deb in ${DEB_DIR}, not one")
endif()
cmake_path(GET debs FILENAME deb_name)

set(failures)

execute_process(
  COMMAND ${tool_path_dpkg-deb} --field ${debs} Version
  OUTPUT_VARIABLE deb_version OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
if(NOT deb_version STREQUAL VERSION)
  list(APPEND failures "the package's version is \"${deb_version}\", the project's ${VERSION}: debian/changelog needs an entry")
endif()

# Lintian's own exit status counts errors only; its warnings are failures
# here too, and so are the tags of a build without Debian's flags at any
# level. (Run as root it also says that it should not be: that is no tag.)
execute_process(
  COMMAND ${tool_path_lintian} --pedantic --tag-display-limit 0 ${debs}
  OUTPUT_VARIABLE lintian_out ERROR_VARIABLE lintian_err RESULT_VARIABLE rc)
string(REGEX MATCHALL "(^|\n)([EW]: |[A-Z]: [^\n]*(hardening-|binary-has-unneeded-section))[^\n]*"
  tags "${lintian_out}")
if(tags OR NOT rc EQUAL 0)
  list(APPEND failures "lintian ${deb_name} (exit ${rc}):\n${lintian_out}${lintian_err}")
elseif(NOT lintian_out STREQUAL "")
  message(STATUS "lintian's other tags:\n${lintian_out}")
endif()

# The packages named in Depends and Recommends, without versions or
# architecture qualifiers.
execute_process(
  COMMAND ${tool_path_dpkg-deb} --field ${debs} Depends Recommends
  OUTPUT_VARIABLE fields RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb could not read the control fields of ${deb_name}")
endif()
string(REGEX REPLACE "(^|\n)(Depends|Recommends):" "," fields "${fields}")
string(REGEX REPLACE "\\([^)]*\\)|:[a-z0-9]+|[ \n]" "" fields "${fields}")
string(REGEX REPLACE "[,|]+" ";" wanted "${fields}")

# The libraries the program loads itself, as the source names them.
file(GLOB_RECURSE sources ${SOURCE_DIR}/ui/*.cpp ${SOURCE_DIR}/ui/*.h)
set(opened)
foreach(source IN LISTS sources)
  file(STRINGS ${source} lines REGEX "dlopen\\(\"[^\"]+\"")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "dlopen\\(\"([^\"]+)\"" _ "${line}")
    list(APPEND opened ${CMAKE_MATCH_1})
  endforeach()
endforeach()
list(REMOVE_DUPLICATES opened)
foreach(library IN LISTS opened)
  execute_process(
    COMMAND ${tool_path_dpkg} --search "*/${library}"
    OUTPUT_VARIABLE owners ERROR_QUIET RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    list(APPEND failures "dlopen(\"${library}\"): no installed package has it")
    continue()
  endif()
  # Lines "package[:arch]: /path"; any of the packages will do.
  string(REGEX MATCHALL "(^|\n)[^:\n]+" owners "${owners}")
  string(REPLACE "\n" "" owners "${owners}")
  set(found FALSE)
  foreach(owner IN LISTS owners)
    if(owner IN_LIST wanted)
      set(found TRUE)
    endif()
  endforeach()
  if(NOT found)
    list(APPEND failures
      "dlopen(\"${library}\"), from ${owners}: the package neither depends on nor recommends it")
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Debian package check failed:\n  ${text}")
endif()
list(LENGTH opened opened_count)
message(STATUS "${deb_name}: lintian is content; the ${opened_count} libraries opened at run time are in its relations")
