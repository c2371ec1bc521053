# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers

# Each rendered icon is a PNG of its nominal size with the drawing on it.
# Usage: cmake -DICON_DIR=<dir> -DSIZES="16;32;..." -P check_icons.cmake

find_program(CONVERT convert)
if(NOT CONVERT)
  message(FATAL_ERROR "convert (Debian package imagemagick) is not installed")
endif()

set(failures)
foreach(size IN LISTS SIZES)
  set(png ${ICON_DIR}/${size}x${size}/arvan.png)
  if(NOT EXISTS ${png})
    list(APPEND failures "${size}x${size}: ${png} is missing")
    continue()
  endif()
  # Format, width, height, then the mean opacity of all pixels (0 to 1).
  execute_process(
    COMMAND ${CONVERT} ${png} -format "%m %w %h " -write info:-
            -alpha extract -format "%[fx:mean]" info:-
    OUTPUT_VARIABLE info ERROR_VARIABLE error RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    list(APPEND failures "${size}x${size}: convert failed: ${error}")
    continue()
  endif()
  separate_arguments(info UNIX_COMMAND "${info}")
  list(GET info 0 format)
  list(GET info 1 width)
  list(GET info 2 height)
  list(GET info 3 opacity)
  if(NOT format STREQUAL "PNG" OR NOT width EQUAL size OR NOT height EQUAL size)
    list(APPEND failures "${size}x${size}: found ${format} ${width}x${height}")
  endif()
  # The key and the hand cover three quarters of the square: a blank or
  # mostly blank render means the drawing did not come through.
  if(opacity LESS 0.4)
    list(APPEND failures "${size}x${size}: only ${opacity} of the icon is drawn")
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Icon check failed:\n  ${text}")
endif()
list(LENGTH SIZES count)
message(STATUS "${count} icons rendered at their sizes")
