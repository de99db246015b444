#!/usr/bin/env bash
# Takes a screenshot of the main window on a virtual X server and saves it as
# docs/quorvel-window.png: the client area, 616 x 574 (no window manager runs,
# so the window has no frame).
#
#   scripts/screenshot.sh [BUILD_DIR] [OUTPUT.png]
#
# BUILD_DIR defaults to build (where scripts/run-program.sh builds); the
# program is BUILD_DIR/app/quorvel. Installs xvfb, xauth, x11-utils and
# imagemagick when they are missing.
set -euo pipefail

# Runs on the virtual display: starts the program, waits until its window is
# mapped, grabs the screen and cuts the window out of it.
capture() {
  local program=$1 output=$2
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  "$program" &
  program_pid=$!
  trap 'kill "$program_pid" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT

  local info=""
  for _ in $(seq 100); do
    info=$(xwininfo -name "Quorvel V1.0" 2>/dev/null || true)
    if grep -q "Map State: IsViewable" <<<"$info"; then
      break
    fi
    sleep 0.1
  done
  if ! grep -q "Map State: IsViewable" <<<"$info"; then
    echo "screenshot.sh: the window did not appear" >&2
    return 1
  fi
  sleep 1  # let the first paint finish

  local x y width height
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  width=$(awk '/Width:/ {print $2}' <<<"$info")
  height=$(awk '/Height:/ {print $2}' <<<"$info")
  import -window root -crop "${width}x${height}+${x}+${y}" +repage "$output"
  echo "screenshot.sh: ${width}x${height} window saved as $output"

  # End the program before xvfb-run takes the display away.
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
}

# xvfb-run starts this script again with --capture once the display is up.
if [[ ${1:-} == --capture ]]; then
  capture "$2" "$3"
  exit
fi

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$repo/build}
output=${2:-$repo/docs/quorvel-window.png}
program=$(realpath -m "$build/app/quorvel")
output=$(realpath -m "$output")

if [[ ! -x $program ]]; then
  echo "screenshot.sh: $program not found; build it first" >&2
  exit 1
fi
if ! command -v xvfb-run >/dev/null || ! command -v xwininfo >/dev/null ||
  ! command -v import >/dev/null || ! command -v xauth >/dev/null; then
  sudo=()
  if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    xvfb xauth x11-utils imagemagick >/dev/null
fi
mkdir -p "$(dirname "$output")"

# 96 dpi, the resolution the window is laid out for.
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "${BASH_SOURCE[0]}" --capture "$program" "$output"
