# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers

# Opens the real window where no installed face draws Mongolian letters (the
# fontconfig set-up FONTCONFIG_FILE sees an empty font folder), closes it
# through Exit, and checks that it ran and named in its log the face it fell
# back to.
set(ENV{FONTCONFIG_FILE} ${FONTCONFIG_FILE})
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${SESSION} 0
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE log TIMEOUT 120)
if(NOT result EQUAL 0 OR NOT out MATCHES "arvan_session: [0-9]+ events")
  message(FATAL_ERROR "The window did not open and close (${result}):\n${out}\n${log}")
endif()
if(NOT log MATCHES "No installed face draws every Mongolian letter; falling back to \"[^\"]+\"")
  message(FATAL_ERROR "The log does not name the face it fell back to:\n${log}")
endif()
message(STATUS "${CMAKE_MATCH_0}")
