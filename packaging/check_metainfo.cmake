# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers

# The AppStream metainfo validates pedantically, but for the issues that
# appstream_issues.cmake lets pass, and says why.
# Usage: cmake -DMETAINFO=<file> -P check_metainfo.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/appstream_issues.cmake)

arvan_appstream_issues(issues validate ${METAINFO})
if(issues)
  message(FATAL_ERROR "appstreamcli validate --pedantic:\n${issues}")
endif()
message(STATUS "${METAINFO} validates pedantically")
