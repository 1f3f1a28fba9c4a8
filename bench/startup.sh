#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up against the yardstick: an empty Qt widgets window of the start window's size and
# Quintavia's start window, RUNS times each, taken in turns on one X server without a window manager.
# Prints each median (time to the first window mapped, resident memory then) and the two ratios.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-10}
probe=$build/bench/startup/map-probe
for f in "$probe" "$build/bench/startup/empty-window" "$build/quintavia"; do
  [ -x "$f" ] || { echo "startup.sh: manca $f (cmake --build $build)" >&2; exit 2; }
done
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
measure() {
  local out=$1; shift
  : >"$out"
  for _ in $(seq "$runs"); do
    "$probe" "$build/bench/startup/empty-window" >>"$out.empty"
    "$probe" "$@" >>"$out"
  done
}
run() {
  local dir; dir=$(mktemp -d)
  measure "$dir/quintavia" "$build/quintavia"
  python3 - "$dir" <<'PY'
import statistics, sys
d = sys.argv[1]
def load(name):
    rows = [tuple(map(float, l.split())) for l in open(f"{d}/{name}") if l.strip()]
    return statistics.median(r[0] for r in rows), statistics.median(r[1] for r in rows) / 1024
et, em = load("quintavia.empty")
qt, qm = load("quintavia")
print(f"empty window : {et:6.1f} ms  {em:5.1f} MB")
print(f"Quintavia    : {qt:6.1f} ms  {qm:5.1f} MB")
print(f"ratios       : time {qt/et:.2f}  memory {qm/em:.2f}")
PY
  rm -rf "$dir"
}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
run
