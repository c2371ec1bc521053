# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Writes the site's service worker (SITE/sw.js) from TEMPLATE: the list of
# every file of the site but itself (FILES, paths within SITE, separated by
# commas), and a version that changes with any file's contents. Files that
# an older build left in SITE are not the site's. index.html is listed as
# './', the address the page is visited at, and only so: a file listed twice
# would be fetched twice.
#   cmake -DSITE=<folder> -DFILES=<a,b/c> -DTEMPLATE=<sw.js.in> -P service_worker.cmake

string(REPLACE "," ";" files "${FILES}")
list(SORT files)
set(digests "")
set(ARVAN_SITE_FILES "    './',\n")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  if(NOT file STREQUAL "index.html")
    string(APPEND ARVAN_SITE_FILES "    './${file}',\n")
  endif()
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 ARVAN_SITE_VERSION)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
