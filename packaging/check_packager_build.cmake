# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# A packager's build (-DBUILD_TESTING=OFF) configures into a scratch folder
# without looking for anything that only the tests, the benchmarks or the
# fuzz target use (GoogleTest, Google Benchmark, Qt Test, the XCB headers),
# and has the tutor among its targets but none of theirs.
# Usage: cmake -DSOURCE_DIR=<source> -DSCRATCH=<scratch dir> -DCXX=<compiler>
#              -DTESTING_TARGETS="<targets of tests/, bench/, fuzz/>"
#              -P check_packager_build.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT TESTING_TARGETS)
  message(FATAL_ERROR "No testing targets given to look for")
endif()

file(REMOVE_RECURSE ${SCRATCH})
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${SCRATCH} -G Ninja
          -DBUILD_TESTING=OFF -DCMAKE_CXX_COMPILER=${CXX}
  OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "Configuring with -DBUILD_TESTING=OFF failed:\n${output}")
endif()

set(failures)

# The entries that find_package() and pkg_check_modules() leave in the cache.
file(STRINGS ${SCRATCH}/CMakeCache.txt looked_for
  REGEX "^(GTest_DIR|benchmark_DIR|Qt6Test_DIR|pkgcfg_lib_XCB_xcb):")
if(looked_for)
  list(APPEND failures "it looked for what only testing needs: ${looked_for}")
endif()

# Ninja's list of primary targets: lines "name: rule".
execute_process(
  COMMAND ${CMAKE_COMMAND} --build ${SCRATCH} --target help
  OUTPUT_VARIABLE help RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --build --target help failed:\n${help}")
endif()
string(REGEX MATCHALL "(^|\n)[^:\n]+:" targets "${help}")
string(REGEX REPLACE "\n|:" "" targets "${targets}")
if(NOT "arvan" IN_LIST targets)
  list(APPEND failures "no target arvan: the tutor would not be built")
endif()
foreach(target test ${TESTING_TARGETS})
  if(target IN_LIST targets)
    list(APPEND failures "it has the target ${target}")
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "The packager's build is not the tutor alone:\n  ${text}")
endif()
list(LENGTH TESTING_TARGETS count)
message(STATUS "-DBUILD_TESTING=OFF configures the tutor without test, benchmark or fuzz targets (${count} looked for)")
