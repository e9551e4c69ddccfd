#!/usr/bin/env bash
# Installs the build's packages, builds the program, writes the sample disc
# (once), puts the screen saver Vireon.scr into its program folder and starts
# the program on it: the disc as drive E:, the sample program folder as the
# program's own folder.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: start it under Xvfb, e.g.  xvfb-run -a -s '-screen 0 1024x768x24' $0" >&2
  exit 1
fi
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target vireon-anthology vireon-screensaver makedisc
build/tools/makedisc/makedisc sample-disc
# The screen saver goes into the program folder as the installation expects it.
install -m 755 build/src/screensaver/vireon-screensaver sample-disc/program/Vireon.scr
export VIREON_DRIVES="E=$PWD/sample-disc/disc"
export VIREON_PROGRAM_FOLDER="$PWD/sample-disc/program"
exec build/src/vireon-anthology "$@"
