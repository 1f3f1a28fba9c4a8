#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Batch reading: quintavia-check over 1,000 exercise files in one process (the Qt set-up paid once),
# and, as a yardstick, unrtf turning the same files into text, one process a file (as it works).
# Usage: bench/batch_reading.sh [BUILD_DIR] [FILES]
set -euo pipefail
build=${1:-build}
count=${2:-1000}
tool=$build/quintavia-check
[ -x "$tool" ] || { echo "batch_reading.sh: manca $tool (cmake --build $build)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$tool" --passaggi "{[(1 + 2) x 3] - 2^2} : 5 + (6 - 4)^3 : 2" --rtf "$work/model.rtf" >/dev/null
mkdir "$work/files"
for i in $(seq -w 1 "$count"); do cp "$work/model.rtf" "$work/files/es$i.rtf"; done

ms() { python3 -c "import sys; print(f'{float(sys.argv[1]) * 1000 / int(sys.argv[2]):.3f}')" "$1" "$count"; }
timed() { local start end; start=$(date +%s.%N); "$@" >/dev/null 2>&1; end=$(date +%s.%N); echo "$end - $start" | bc -l; }

one=$(timed "$tool" "$work"/files/*.rtf)
check=$(timed "$tool" --verifica "$work/files")
echo "quintavia-check, $count files in one process: $(ms "$one") ms a file"
echo "quintavia-check --verifica, same files:      $(ms "$check") ms a file"
if command -v unrtf >/dev/null; then
  yard=$(timed bash -c 'for f in "$0"/files/*.rtf; do unrtf --text "$f"; done' "$work")
  echo "unrtf --text, one process a file:            $(ms "$yard") ms a file"
else
  echo "unrtf is not installed: no yardstick (scripts/install-deps installs it)"
fi
