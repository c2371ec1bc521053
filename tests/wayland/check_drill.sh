#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# The tutor on Wayland, natively (Qt's wayland platform): sway runs headless
# with a private runtime folder and a configuration of its own, the tutor
# opens in it, and arvan_wayland_drill plays a key drill in it through the
# virtual keyboard and pointer, under the us, the mn and the Dvorak XKB
# keymaps (wayland_drill.cpp says what it checks). sway refuses to run as
# root, so a root run runs everything as nobody, from copies of the two
# programs that nobody can reach wherever the build tree lies. After a
# failure the logs and the last screens are left in the current folder.
#
#   check_drill.sh ARVAN ARVAN_WAYLAND_DRILL
set -euo pipefail
arvan=$1
drill=$2
layouts=(us mn "us(dvorak)")

fail() {
  echo "check_drill: $*" >&2
  exit 1
}
for tool in sway grim setpriv; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done

results=$PWD
work=$(mktemp -d)
sway_pid=
arvan_pid=
cleanup() {
  local status=$?
  if [[ -n "$arvan_pid" ]]; then kill "$arvan_pid" 2>/dev/null || true; fi
  if [[ -n "$sway_pid" ]]; then kill "$sway_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  if [[ $status -ne 0 ]]; then
    cp "$work"/*.log "$work"/*.ppm "$results" 2>/dev/null || true
    echo "check_drill: logs and screens are in $results" >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT

cd "$work"
install -m 755 "$arvan" arvan
install -m 755 "$drill" drill
# A screen of 1000 x 689 pixels shows the design at one pixel per 15 twips;
# the tutor's window fills it.
cat >sway.conf <<'CONFIG'
output * mode 1000x689
default_border none
xwayland disable
CONFIG
as_user=()
if [[ $(id -u) -eq 0 ]]; then
  chown -R nobody:nogroup "$work"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# A command in the session, with nothing of the caller's environment but the
# sanitizers' options; run directly, so that $! is the process itself.
session=("${as_user[@]}" env -i PATH="$PATH" HOME="$work" XDG_RUNTIME_DIR="$work")
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
  [[ -n "${!name:-}" ]] && session+=("$name=${!name}")
done
# Polls `command...` until it succeeds, for up to $1 seconds.
wait_until() {
  local deadline=$((SECONDS + $1)) what=$2
  shift 2
  until "$@"; do
    kill -0 "$sway_pid" 2>/dev/null || fail "sway stopped while waiting for $what"
    ((SECONDS < deadline)) || fail "timed out waiting for $what"
    sleep 0.05
  done
}
wayland_socket() {
  local socket
  for socket in "$work"/wayland-[0-9]*; do
    [[ -S "$socket" ]] && display=${socket##*/} && return 0
  done
  return 1
}
screen_ready() { "${session[@]}" WAYLAND_DISPLAY="$display" grim -t ppm - >/dev/null 2>&1; }

"${session[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway --config "$work/sway.conf" >sway.log 2>&1 &
sway_pid=$!
display=
wait_until 20 "sway's socket" wayland_socket
wait_until 20 "sway's screen" screen_ready
session+=(WAYLAND_DISPLAY="$display")

for layout in "${layouts[@]}"; do
  "${session[@]}" QT_QPA_PLATFORM=wayland ./arvan >"arvan-$layout.log" 2>&1 &
  arvan_pid=$!
  "${session[@]}" ./drill "$layout"
  kill "$arvan_pid"
  wait "$arvan_pid" 2>/dev/null || true
  arvan_pid=
done
