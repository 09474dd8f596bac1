#!/usr/bin/env bash
# CPU use of `qavi --demo` while it polls the built-in simulated controller.
#
# Starts qavi on a display of its own (Xvfb, or Qt's off-screen platform),
# lets it connect and settle, then reads the process's user+system time from
# /proc/<pid>/stat at the start and the end of a measuring window and prints
# the share of one core. With Xvfb the X server's share is printed as well,
# since the window's pixels are pushed to it.
#
# Usage: bench/cpu_while_polling.sh [build-dir] [seconds] [xvfb|offscreen]
#   build-dir  where qavi was built (default: build)
#   seconds    length of the measuring window (default: 20)
#   platform   xvfb (default when Xvfb is installed) or offscreen
# Environment: SETTLE (seconds before measuring, default 5), XVFB_DISPLAY (default :94).
#
# Not part of the tests: the figure depends on the machine and its load.
# Everything it starts it ends, by process id, within seconds+SETTLE+5 s.
set -euo pipefail

build=${1:-build}
seconds=${2:-20}
platform=${3:-}
settle=${SETTLE:-5}
display=${XVFB_DISPLAY:-:94}
qavi="$build/qavi"

if [ ! -x "$qavi" ]; then
  echo "cpu_while_polling: $qavi not found; build the qavi target first" >&2
  exit 2
fi
if [ -z "$platform" ]; then
  if command -v Xvfb >/dev/null; then platform=xvfb; else platform=offscreen; fi
fi

work=$(mktemp -d /tmp/qavi-cpu-XXXXXX)
mkdir -m 700 "$work/runtime"
qavi_pid=""
xvfb_pid=""
cleanup() {
  for pid in $qavi_pid $xvfb_pid; do
    kill -TERM "$pid" 2>/dev/null || true
  done
  for pid in $qavi_pid $xvfb_pid; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

# utime+stime of a process, in clock ticks. The command name may hold spaces
# and parentheses, so the fields are counted from the last ')'.
cpu_ticks() {
  local stat rest
  stat=$(cat "/proc/$1/stat")
  rest=${stat##*) }
  set -- $rest
  echo $((${12} + ${13}))
}

# Wake-ups of the process (each time its event loop slept and was woken).
wakeups() {
  awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$1/status"
}

env_args=(HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime")
if [ "$platform" = xvfb ]; then
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
  env_args+=(DISPLAY="$display" QT_QPA_PLATFORM=xcb)
else
  env_args+=(QT_QPA_PLATFORM=offscreen)
fi

env "${env_args[@]}" "$qavi" --demo >"$work/qavi.log" 2>&1 &
qavi_pid=$!
sleep "$settle"
if ! kill -0 "$qavi_pid" 2>/dev/null; then
  echo "cpu_while_polling: qavi ended early:" >&2
  cat "$work/qavi.log" >&2
  exit 1
fi

hz=$(getconf CLK_TCK)
q0=$(cpu_ticks "$qavi_pid")
w0=$(wakeups "$qavi_pid")
x0=0
[ -n "$xvfb_pid" ] && x0=$(cpu_ticks "$xvfb_pid")
t0=$(date +%s.%N)
sleep "$seconds"
q1=$(cpu_ticks "$qavi_pid")
w1=$(wakeups "$qavi_pid")
x1=0
[ -n "$xvfb_pid" ] && x1=$(cpu_ticks "$xvfb_pid")
t1=$(date +%s.%N)

awk -v w=$((w1 - w0)) -v q=$((q1 - q0)) -v x=$((x1 - x0)) -v hz="$hz" -v t0="$t0" -v t1="$t1" -v p="$platform" 'BEGIN {
  wall = t1 - t0
  printf "platform %s, %.1f s measured\n", p, wall
  printf "qavi:  %.2f %% of one core (%d ticks at %d Hz), %.0f wake-ups/s\n", 100 * q / hz / wall, q, hz, w / wall
  if (p == "xvfb") printf "Xvfb:  %.2f %% of one core\n", 100 * x / hz / wall
}'
