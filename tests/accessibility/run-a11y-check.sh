#!/usr/bin/env bash
# Starts the program on a sample disc under its own X server, session bus and
# accessibility bus, and runs the screen-reader check against it.
# Usage: run-a11y-check.sh PROGRAM SAMPLE_DISC_FOLDER CHECK_SCRIPT
# Exits 77 (skipped) when the machine lacks the X server or the AT-SPI pieces.
set -u
program=$(realpath "$1") sample=$(realpath "$2") check=$(realpath "$3")
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-run-session xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x "$launcher" ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }
"$python" -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }

work=$(mktemp -d)
# Everything started here ends with the check: the server, the buses, the program.
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
# The server takes a display number at random well above the ones desktops and
# other runs use, says it once it accepts clients, and must then answer one:
# a number whose socket another server answers is given up for the next. It
# must not reset when its last client goes (the probe, the bus launcher): a
# program connecting during a reset is turned away.
display=
for _ in 1 2 3 4 5; do
  number=$((100 + RANDOM % 900))
  Xvfb ":$number" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  server=$!
  for _ in $(seq 100); do [ -s "$work/display" ] || ! kill -0 $server 2>/dev/null && break; sleep 0.1; done
  if [ -s "$work/display" ] && DISPLAY=:$number xdotool getdisplaygeometry >/dev/null 2>&1; then
    display=:$number; break
  fi
  kill $server 2>/dev/null; wait $server 2>/dev/null; : >"$work/display"
done
[ -n "$display" ] || { echo "no X server could be started"; cat "$work/xvfb.log"; exit 1; }

mkdir -m 700 "$work/run"
export DISPLAY=$display XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config HOME=$work
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export VIREON_DRIVES="E=$sample/disc" VIREON_PROGRAM_FOLDER="$sample/program"
export QT_LOGGING_RULES='qt.multimedia.*.warning=false' GST_PLUGIN_FEATURE_RANK=openalsink:NONE
# In the address-checked build the checker's slow unwinder deadlocks inside the
# software OpenGL renderer's code generator when the movie picture is first drawn.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=1"
dbus-run-session -- bash -c '
  trap "kill \$(jobs -p) 2>/dev/null; wait" EXIT
  "$1" --launch-immediately >/dev/null 2>&1 &
  sleep 1
  "$2" >"$4/program.log" 2>&1 &
  "$3" "$5"; status=$?
  [ $status -eq 0 ] || cat "$4/program.log" "$4/xvfb.log"
  exit $status' check "$launcher" "$program" "$python" "$work" "$check"
