#!/usr/bin/env bash
# What a screen reader meets, checked over AT-SPI against the running program
# under Xvfb and openbox, in a session bus of its own (atspi_check.py does the
# reading). Exits 77 (skipped) where Xvfb, openbox, xdotool, dbus-run-session,
# the AT-SPI bus or python3-pyatspi is missing. XVFB_DISPLAY picks the display
# (a free one otherwise).
#   tests/app/atspi_names.sh path/to/mezura
set -u
mezura=$1
here=$(cd "$(dirname "$0")" && pwd)
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && launcher=$candidate && break
done
for tool in Xvfb xdpyinfo xprop openbox xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -n "$launcher" ] || { echo "SKIP: at-spi2-core (at-spi-bus-launcher) is not installed"; exit 77; }
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

if [ "${1:-}" != "--in-session" ]; then
  exec dbus-run-session -- bash "$0" --in-session "$mezura" 2>&1
fi
mezura=$2
work=$(mktemp -d)
pids=()
# Stopped last started first: the program before its bus and its X server.
stop_all() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap stop_all EXIT

if [ -n "${XVFB_DISPLAY:-}" ]; then
  Xvfb "$XVFB_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  export DISPLAY=$XVFB_DISPLAY
else
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  exec 3>&-
fi
for _ in $(seq 50); do
  [ -z "${XVFB_DISPLAY:-}" ] && [ -s "$work/display" ] && export DISPLAY=:$(head -n 1 "$work/display")
  [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { cat "$work/xvfb.log"; echo "FAILED: Xvfb did not start"; exit 1; }
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# The calculator docks its tape once the window manager has framed it.
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
"$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
mkdir -p "$work/home"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$mezura" >"$work/mezura.log" 2>&1 &
pids+=($!)
/usr/bin/python3 "$here/atspi_check.py"
status=$?
[ $status -eq 0 ] || grep -v XDG_RUNTIME "$work/mezura.log" | tail -n 20
exit $status
