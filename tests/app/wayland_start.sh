#!/usr/bin/env bash
# The program's start on a Wayland session, against a headless weston: with
# no X display it runs on Wayland (its calculator is an xdg toplevel); with
# XWayland it runs on X11 (an X window, no Wayland toplevel). Exits 77
# (skipped) without weston or Qt's Wayland plugin; the XWayland half needs
# Xwayland and xwininfo.
#   tests/app/wayland_start.sh path/to/mezura
set -u
mezura=$1
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }

work=$(mktemp -d)
chmod 700 "$work"
socket=mezura-test-$$
weston_pid= mezura_pid=
stop() { [ -n "$1" ] && kill "$1" 2>/dev/null && wait "$1" 2>/dev/null; }
trap 'stop "$mezura_pid"; stop "$weston_pid"; rm -rf "$work"' EXIT
status=0
fail() { grep -v '^\[' "$1" | tail -n 20; echo "FAILED: $2"; status=1; }

# wait_for PID CHECK ARGS...: until CHECK succeeds or PID has ended (15 s at
# most); then whether CHECK succeeds.
wait_for() {
  local pid=$1 tries=150; shift
  while [ "$tries" -gt 0 ] && ! "$@" && kill -0 "$pid" 2>/dev/null; do sleep 0.1; tries=$((tries - 1)); done
  "$@"
}

# start_weston [--xwayland]: a compositor of our own, with no screen.
start_weston() {
  XDG_RUNTIME_DIR=$work weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config "$@" \
    >"$work/weston.log" 2>&1 &
  weston_pid=$!
  wait_for "$weston_pid" test -S "$work/$socket" || { cat "$work/weston.log"; echo "FAILED: weston"; exit 1; }
}

# start_mezura LOG VAR=VALUE...: the program in a clean Wayland session (plus
# the given variables), its Wayland traffic in LOG.
start_mezura() {
  local log=$1; shift
  env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$work" XDG_SESSION_TYPE=wayland \
    WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=1 "$@" "$mezura" >/dev/null 2>"$log" &
  mezura_pid=$!
}
toplevel() { grep -q 'xdg_toplevel@[0-9]*\.set_title("Brellin Calculator")' "$1"; }
running() { sleep 1; kill -0 "$mezura_pid" 2>/dev/null; }

start_weston
start_mezura "$work/wayland.log"
if wait_for "$mezura_pid" toplevel "$work/wayland.log" && running; then
  echo "ok: with no X display the calculator is a Wayland toplevel"
elif grep -q 'Could not find the Qt platform plugin "wayland"' "$work/wayland.log"; then
  echo "SKIP: Qt's Wayland platform plugin is not installed (qt6-wayland)"
  exit 77
else
  fail "$work/wayland.log" "with no X display the program did not stay up on Wayland"
fi
stop "$mezura_pid"; mezura_pid=
stop "$weston_pid"; weston_pid=

if ! command -v Xwayland >/dev/null || ! command -v xwininfo >/dev/null; then
  echo "skipped: the XWayland half needs Xwayland and xwininfo"
  exit $status
fi
# Weston's XWayland puts its socket in /tmp/.X11-unix but, unlike an X
# server, does not make that folder, which a machine that has never run an X
# session lacks.
if ! mkdir -m 1777 /tmp/.X11-unix 2>/dev/null && [ ! -d /tmp/.X11-unix ]; then
  echo "skipped: the XWayland half needs /tmp/.X11-unix, which cannot be made here"
  exit $status
fi
start_weston --xwayland
listening() { grep -q "listening on display" "$work/weston.log"; }
wait_for "$weston_pid" listening || { cat "$work/weston.log"; echo "FAILED: no XWayland display"; exit 1; }
display=$(sed -n 's/.*listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" | head -n 1)
x_window() { DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -q '"Brellin Calculator"'; }

start_mezura "$work/xwayland.log" DISPLAY="$display"
if wait_for "$mezura_pid" x_window && running && ! grep -q "xdg_toplevel" "$work/xwayland.log"; then
  echo "ok: with XWayland ($display) the calculator is an X window"
else
  fail "$work/xwayland.log" "with XWayland the program did not stay up on X11 alone"
fi
exit $status
