# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers

# Runs appstreamcli with the arguments given (validate or validate-tree,
# pedantic, offline) and sets `result` to the issues that it reports, less
# the two that the metainfo has on purpose:
#  - url-homepage-missing: the project has no web address of its own yet,
#    and none is made up for it;
#  - unknown-tag developer, from an AppStream before 1.0 (Debian 12 has
#    0.16): 1.0 replaced <developer_name> with <developer> and calls the old
#    tag deprecated; the older validator does not know the new tag and
#    passes over it.
# Any other issue, whatever its level, stays in the result.
function(arvan_appstream_issues result)
  find_program(APPSTREAMCLI appstreamcli)
  if(NOT APPSTREAMCLI)
    message(FATAL_ERROR "appstreamcli (Debian package appstream) is not installed")
  endif()
  execute_process(COMMAND ${APPSTREAMCLI} --version OUTPUT_VARIABLE version)
  string(REGEX MATCH "[0-9]+\\.[0-9.]+" version "${version}")
  execute_process(
    COMMAND ${APPSTREAMCLI} ${ARGN} --pedantic --no-net
    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE rc)
  if(NOT output MATCHES "Validation (was successful|failed)")
    set(${result} "appstreamcli ${ARGN} did not validate (exit ${rc}):\n${output}" PARENT_SCOPE)
    return()
  endif()
  string(REGEX MATCHALL "(^|\n)[EWIP]: [^\n]*" issues "${output}")
  set(unexpected)
  foreach(issue IN LISTS issues)
    string(STRIP "${issue}" issue)
    if(issue MATCHES ": url-homepage-missing$" OR
       (version VERSION_LESS 1.0 AND issue MATCHES ": unknown-tag developer$"))
      continue()
    endif()
    list(APPEND unexpected "${issue}")
  endforeach()
  list(JOIN unexpected "\n" unexpected)
  set(${result} "${unexpected}" PARENT_SCOPE)
endfunction()
