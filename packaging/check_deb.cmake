# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Makes the Debian package from the build tree as a packager would
# (cpack -G DEB, into a scratch folder) and checks it:
#   - lintian reports no error and no warning on it;
#   - every library that the program opens at run time with dlopen(), which
#     dpkg-shlibdeps cannot see, comes from a package that the package depends
#     on or recommends.
# Usage: cmake -DCPACK=<cpack> -DBUILD_DIR=<build> -DSCRATCH=<scratch dir>
#              -DSOURCE_DIR=<source> -P check_deb.cmake
cmake_minimum_required(VERSION 3.25)

foreach(tool lintian dpkg-deb dpkg)
  find_program(tool_path_${tool} ${tool})
  if(NOT tool_path_${tool})
    message(FATAL_ERROR "${tool} is not installed (scripts/packages/test.txt names its package)")
  endif()
endforeach()

file(REMOVE_RECURSE ${SCRATCH})
execute_process(
  COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${SCRATCH}
  OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE rc)
file(GLOB debs ${SCRATCH}/*.deb)
list(LENGTH debs count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack -G DEB made ${count} packages (exit ${rc}):\n${output}")
endif()
cmake_path(GET debs FILENAME deb_name)

set(failures)

# Lintian's own exit status counts errors only; its warnings are failures
# here too. (Run as root it also says that it should not be: that is no tag.)
execute_process(
  COMMAND ${tool_path_lintian} --tag-display-limit 0 ${debs}
  OUTPUT_VARIABLE lintian_out ERROR_VARIABLE lintian_err RESULT_VARIABLE rc)
string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" tags "${lintian_out}")
if(tags OR NOT rc EQUAL 0)
  list(APPEND failures "lintian ${deb_name} (exit ${rc}):\n${lintian_out}${lintian_err}")
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
