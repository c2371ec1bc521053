# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers

# The program's command line, run as a learner or a packager runs it:
# --help and --version answer without a display, a start without a display
# says so in one line and exits with 1, an unknown option is refused, and a
# normal start prints nothing.
set(ENV{XDG_RUNTIME_DIR} ${RUNTIME_DIR})
file(MAKE_DIRECTORY ${RUNTIME_DIR})
file(CHMOD ${RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
unset(ENV{QT_QPA_PLATFORM})
unset(ENV{WAYLAND_DISPLAY})

function(run expected_result)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out
                  ERROR_VARIABLE err TIMEOUT 60)
  if(NOT result STREQUAL expected_result)
    message(FATAL_ERROR "${ARGN} exited with ${result}, not ${expected_result}:\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

set(ENV{DISPLAY} "")
run(0 ${ARVAN} --help)
if(NOT out MATCHES "^Usage: [^\n]*arvan \\[options\\]\n" OR NOT out MATCHES "--version")
  message(FATAL_ERROR "--help printed no usage:\n${out}")
endif()
run(0 ${ARVAN} --version)
if(NOT out STREQUAL "arvan ${VERSION}\n")
  message(FATAL_ERROR "--version printed \"${out}\"")
endif()

run(1 ${ARVAN})
if(NOT err MATCHES "^arvan: no display to open the window on \\([^\n]*\\)\n$")
  message(FATAL_ERROR "A start without a display printed:\n${err}")
endif()

run(1 ${ARVAN} -platform offscreen --no-such-option)
if(NOT err MATCHES "no-such-option")
  message(FATAL_ERROR "An unknown option was not named:\n${err}")
endif()

# A start that opens its window prints nothing; the window stays open until
# timeout(1) ends it (124). (execute_process's own TIMEOUT once left it
# running.) The sound library's own complaints on a machine with no sound
# card (the bell opens it at start) are not the program's.
execute_process(COMMAND timeout --kill-after=5 3 ${ARVAN} -platform offscreen
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX REPLACE "(^|\n)ALSA lib [^\n]*" "" err "${err}")
string(STRIP "${err}" err)
if(NOT result EQUAL 124 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "A normal start (${result}) printed:\n${out}${err}")
endif()
