#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Checks the tutor's promise that it writes no files and opens no network
# connection: the real program on a virtual X screen (Xvfb), driven by xdotool
# through a key drill, the menu, word typing, free typing, the options, blind
# labels, resizes and Exit, all under strace. Fails if it (or anything it
# starts) opens a file for writing, creates, renames, links or removes one,
# makes a folder, or opens a socket other than these:
#   - the connection to the X display;
#   - the C library's query of the name service cache daemon (nscd), which
#     getpwuid() tries first; it is a local read-only lookup;
#   - the sound server's socket (PulseAudio's native protocol under
#     $XDG_RUNTIME_DIR/pulse) and the desktop's D-Bus session bus, where the
#     session has them; this virtual screen has neither.
# Opening /dev/null read-write is no file, nor is a mkdir() of a folder that
# is there already (Qt checks XDG_RUNTIME_DIR so).
#
# The program runs as in a desktop session, in surroundings made fresh for the
# check: an empty home of its own (so that a file made there could not hide
# behind one made earlier) and XDG_RUNTIME_DIR, which every desktop session has
# (logind sets it). Without XDG_RUNTIME_DIR Qt would make /tmp/runtime-$USER
# itself at start; that is the only difference the variable makes.
#
#   tests/x11/no_files.sh ARVAN
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# Runs the rest of this script again on a 1280x800 screen of its own:
# xvfb-run starts Xvfb on a free display with an X authority file, waits
# until it takes connections and ends it afterwards.
if [[ "${2:-}" != --on-screen ]]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$here/no_files.sh" "$(realpath "$1")" --on-screen
fi
arvan=$1
source "$here/tutor_run.sh"
display=$DISPLAY
fail() {
  echo "no files: $*" >&2
  [[ -f "$work/arvan.log" ]] && sed 's/^/  arvan: /' "$work/arvan.log" >&2
  exit 1
}

# LeakSanitizer cannot run under ptrace; in a sanitizer build the address
# checks still run, the leak check is left to the other tests.
if [[ -n "${ASAN_OPTIONS:-}" ]]; then export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"; fi

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
calls=open,openat,openat2,creat,truncate,mkdir,mkdirat,mknod,mknodat,rename,renameat,renameat2
calls+=,link,linkat,symlink,symlinkat,unlink,unlinkat,rmdir,socket,connect,bind
env -u XDG_CACHE_HOME -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u DBUS_SESSION_BUS_ADDRESS \
  HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
  strace -f -qq -o "$work/trace" -e trace="$calls" "$arvan" >"$work/arvan.log" 2>&1 &
arvan_pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --class arvan) || fail "no window within 60 s"
window=${window%%$'\n'*}

# The window scales its 15000 x 10335 twip design uniformly and centres it.
# Waits until the window has the size given (it opens at the screen's size).
geometry() {
  local want=$1 try
  for try in $(seq 100); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [[ "${WIDTH}x${HEIGHT}" == "$want" ]] && break
    [[ $try -eq 100 ]] && fail "the window is ${WIDTH}x${HEIGHT}, not $want"
    sleep 0.1
  done
  sleep 0.3  # and has painted at it
  scale=$(awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN { s = w / 15000; if (h / 10335 < s) s = h / 10335; print s }')
}
# Clicks the middle of a control given in twips: left top width height.
click() {
  local x y
  read -r x y < <(awk -v w="$WIDTH" -v h="$HEIGHT" -v s="$scale" -v l="$1" -v t="$2" -v cw="$3" -v ch="$4" \
    'BEGIN { printf "%d %d\n", (w - 15000 * s) / 2 + (l + cw / 2) * s, (h - 10335 * s) / 2 + (t + ch / 2) * s }')
  xdotool mousemove --window "$window" "$x" "$y" click 1
  sleep 0.1
}
start() { click 9240 3600 720 225; }
menu() { click 0 0 1215 375; click 0 "$1" 2415 375; }  # entries at 360, 720 and 1080
exit_button() { click 9240 3960 720 225; }
option() { click "$1" 3720 975 255; }  # option buttons: frame left + own left, frame top + 240
keys() { xdotool key --delay 15 "$@"; }
letters=(q w e r t y u i o p bracketleft bracketright backslash a s d f g h j k l semicolon
  apostrophe z x c v b n m comma period slash space)

geometry 1280x800
start
for round in 1 2 3; do keys "${letters[@]}"; done
keys alt
menu 360                                             # word typing
keys h e j semicolon g y space t u o g j e y space "${letters[@]}"
menu 720                                             # free typing
keys "${letters[@]}" Return shift 1 2 3
menu 1080                                            # back
click 12360 1920 1455 495                            # blank the labels
option 6480                                          # OptMon (frame 6240 + 240)
option 1680                                          # Option1, fast (frame 1560 + 120)
start
for round in 1 2; do keys "${letters[@]}"; done
keys alt
click 12360 1320 1455 495                            # show the labels
for size in 400x300 1280x800; do
  xdotool windowsize "$window" "${size%x*}" "${size#*x}"
  geometry "$size"
done
start
keys "${letters[@]}" alt
exit_button

for try in $(seq 100); do
  kill -0 "$arvan_pid" 2>/dev/null || break
  [[ $try -eq 100 ]] && fail "the tutor did not end after Exit"
  sleep 0.1
done
wait "$arvan_pid" || fail "the tutor ended with an error"
arvan_pid=

# Every call that writes or connects, less the ones allowed above.
allowed_socket_paths="/tmp/\\.X11-unix/X${display#:}|/var/run/nscd/socket|/run/nscd/socket"
allowed_socket_paths+="|$work/runtime/pulse/native"
if [[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]]; then
  bus=${DBUS_SESSION_BUS_ADDRESS#unix:path=}
  allowed_socket_paths+="|${bus%%,*}"
fi
offending=$(grep -v -E '^[0-9]+ \+\+\+|^[0-9]+ ---' "$work/trace" | awk -v sockets="$allowed_socket_paths" '
  / (open|openat|openat2)\(/ {
    if ($0 !~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC/) next
    if ($0 ~ /"\/dev\/null"/) next
    print; next
  }
  / socket\(/ { if ($0 !~ /socket\(AF_UNIX,/) print; next }
  / connect\(/ {
    if (match($0, /sun_path=@?"[^"]*"/)) {
      path = substr($0, RSTART, RLENGTH); sub(/sun_path=@?"/, "", path); sub(/"$/, "", path)
      if (path ~ "^(" sockets ")$") next
    }
    print; next
  }
  / bind\(/ { print; next }
  / mkdir\(.* = -1 EEXIST / { next }  # the folder is there already: nothing made
  / (creat|truncate|mkdir|mkdirat|mknod|mknodat|rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|rmdir)\(/ { print; next }
')
left_in_home=$(find "$work/home" "$work/runtime" -mindepth 1 | head -20)

# Start-up beeps twice: the bell's sound file is read, or the bell never ran.
grep -q 'sounds/freedesktop/stereo/bell.oga' "$work/trace" || fail "the bell never rang"
calls_seen=$(grep -c -E ' (open|openat)\(' "$work/trace" || true)
echo "no files: $calls_seen file opens traced"
if [[ -n "$offending" || -n "$left_in_home" ]]; then
  [[ -n "$offending" ]] && { echo "Writes, new files or sockets:"; echo "$offending" | head -40; } >&2
  [[ -n "$left_in_home" ]] && { echo "Left behind:"; echo "$left_in_home"; } >&2
  fail "the tutor wrote a file or opened a connection (above)"
fi
echo "no files: no file written, no file or folder made, no connection but the display's"
