#!/usr/bin/env bash
# Starts QAVI. With no serial adapter present it connects to the built-in
# simulated controller, so the dashboard shows live data either way.
set -euo pipefail
build=${1:-build}
shopt -s nullglob
adapters=(/dev/ttyUSB* /dev/ttyACM*)
args=()
if [ ${#adapters[@]} -eq 0 ] && "$build/qavi" --help 2>/dev/null | grep -q -- '--demo'; then
  args+=(--demo)
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display found; starting under Xvfb on :99" >&2
  Xvfb :99 -screen 0 1280x800x24 >/dev/null 2>&1 &
  export DISPLAY=:99
  sleep 1
fi
exec "$build/qavi" "${args[@]}"
