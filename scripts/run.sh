#!/usr/bin/env bash
# Starts QAVI. With no serial adapter present it connects to the built-in
# simulated controller, so the dashboard shows live data either way. With no
# display at all (a server, a container) it runs on a private Xvfb server,
# which is ended again when qavi ends.
set -euo pipefail
build=${1:-build}
qavi="$build/qavi"
if [ ! -x "$qavi" ]; then
  echo "run: $qavi not found; build it first (make build)" >&2
  exit 1
fi

shopt -s nullglob
adapters=(/dev/ttyUSB* /dev/ttyACM*)
args=()
if [ ${#adapters[@]} -eq 0 ]; then
  # Qt wants a platform before qavi reads its arguments, even for --help, and
  # there may be no display yet; the off-screen one is always there.
  help=$(QT_QPA_PLATFORM=offscreen "$qavi" --help 2>/dev/null || true)
  if grep -q -- '--demo' <<<"$help"; then
    echo "run: no serial adapter found; using the built-in simulated controller" >&2
    args+=(--demo)
  fi
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
  exec "$qavi" "${args[@]}"
fi

if ! command -v Xvfb >/dev/null; then
  echo "run: no display found and Xvfb is not installed (make setup installs it)" >&2
  exit 1
fi
work=$(mktemp -d /tmp/qavi-run-XXXXXX)
xvfb_pid=""
qavi_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill -TERM "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself (another one may hold :99) and writes its
# number once it takes clients, so nothing has to guess how long it needs.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "run: Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"
echo "run: no display found; running under Xvfb on $DISPLAY" >&2

# qavi runs as a child so that Xvfb can be ended after it; a stop request for
# this script is handed on to qavi.
"$qavi" "${args[@]}" &
qavi_pid=$!
trap 'kill -TERM "$qavi_pid" 2>/dev/null || true' INT TERM HUP
status=0
wait "$qavi_pid" || status=$?
while kill -0 "$qavi_pid" 2>/dev/null; do
  status=0
  wait "$qavi_pid" || status=$?
done
exit "$status"
