# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Writes the site's service worker (SITE/sw.js) from TEMPLATE: the list of
# every file of the site but itself, and a version that changes with any
# file's contents.
#   cmake -DSITE=<folder> -DTEMPLATE=<sw.js.in> -P service_worker.cmake

file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(ARVAN_SITE_FILES "    './',\n")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  string(APPEND ARVAN_SITE_FILES "    './${file}',\n")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 ARVAN_SITE_VERSION)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
