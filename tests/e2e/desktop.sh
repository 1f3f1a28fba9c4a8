# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests: a private X11 desktop (Xvfb + openbox + a D-Bus session with the
# accessibility bus) running the real program, driven with xdotool as a person would.
# Every test sources this file, calls start_desktop and start_program, and is cleaned up on exit.
set -euo pipefail

QUINTAVIA=${QUINTAVIA:?path of the quintavia executable}
WORK=$(mktemp -d /tmp/quintavia-e2e.XXXXXX)
# Screenshots go under the build folder, never into the sources.
SHOTS=${SHOTS:-${BUILD_DIR:-/tmp}/screenshots}
mkdir -p "$SHOTS"
PIDS=()

cleanup() {
  local status=$?
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  sleep 0.2
  for pid in "${PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  # The X server must be gone, sockets and all, before the next test looks for a free display.
  wait 2>/dev/null || true
  [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
  # A helper thread that touched Qt first would have made itself Qt's main thread.
  if grep -s "not created in the main() thread" "$WORK/program.log" >&2; then
    echo "FAIL: Qt did not take the program's main thread as its own" >&2
    status=1
  fi
  rm -rf "$WORK"
  exit $status
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; shot "failure-$(date +%s)" || true; exit 1; }
log() { echo "-- $*"; }

# Waits up to $2 seconds (default 10) for the command $1 to succeed.
wait_for() {
  local what=$1 limit=${2:-10} i
  for ((i = 0; i < limit * 10; i++)); do
    if eval "$what" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

start_x_server() {
  # Xvfb picks a free display itself and tells which.
  rm -f "$WORK/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  wait_for "[ -s '$WORK/display' ]" 10 || return 1
  export DISPLAY=:$(head -n 1 "$WORK/display")
  # A server that lost the race for its display number exits; try another one then.
  sleep 0.3
  kill -0 "$XVFB_PID" 2>/dev/null && wait_for "xdpyinfo" 10
}

start_desktop() {
  local attempt
  for attempt in 1 2 3; do
    if start_x_server; then break; fi
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    [ "$attempt" -eq 3 ] && { cat "$WORK/xvfb.log" >&2; fail "Xvfb did not start"; }
  done
  PIDS+=("$XVFB_PID")
  eval "$(dbus-launch --sh-syntax)"
  PIDS+=("$DBUS_SESSION_BUS_PID")
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR=$WORK
  # The program keeps its settings (the dialogs' last folders) here, not in the user's own.
  export XDG_CONFIG_HOME=$WORK/config
  # and the pupil's record without a class folder here.
  export XDG_DATA_HOME=$WORK/data
  # openbox now and then fails to open a display that has only just come up: try again.
  for attempt in 1 2 3; do
    openbox >>"$WORK/openbox.log" 2>&1 &
    OPENBOX_PID=$!
    if wait_for "wmctrl -m" 5; then break; fi
    kill "$OPENBOX_PID" 2>/dev/null || true
    [ "$attempt" -eq 3 ] && { cat "$WORK/openbox.log" >&2; fail "openbox did not start"; }
    sleep 0.5
  done
  PIDS+=("$OPENBOX_PID")
  unset QT_QPA_PLATFORM
}

start_program() {
  (cd "$WORK" && exec "$QUINTAVIA") >"$WORK/program.log" 2>&1 &
  PROGRAM_PID=$!
  PIDS+=("$PROGRAM_PID")
  window_id "Le Quintavia" >/dev/null || fail "the start window did not appear"
}

# The X id of the visible window titled exactly $1 (waits for it).
window_id() {
  local id=""
  wait_for "xdotool search --onlyvisible --name '^$1\$'" 10 || return 1
  id=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
  echo "$id"
}

window_gone() {
  wait_for "! xdotool search --onlyvisible --name '^$1\$'" "${2:-10}"
}

# Clicks at ($2, $3) pixels of the client area of the window titled $1.
click_at() {
  local id x y
  id=$(window_id "$1") || fail "no window '$1' to click in"
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}')"
  xdotool mousemove --sync $((x + $2)) $((y + $3)) click 1
  sleep 0.3
}

# Clicks the middle of a control placed at twips (left, top, width, height) in the window $1,
# with an optional container offset in twips ($6, $7).
click_twips() {
  local win=$1 left=$2 top=$3 width=$4 height=$5 ox=${6:-0} oy=${7:-0}
  click_at "$win" $(((ox + left + width / 2) / 15)) $(((oy + top + height / 2) / 15))
}

type_text() { xdotool type --delay 40 -- "$1"; sleep 0.2; }
press() { xdotool key --delay 60 "$@"; sleep 0.2; }

shot() { import -window root "$SHOTS/$1.png"; }

# The names of the accessible objects of the running program, one "role|name" a line.
accessible_tree() {
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessible_tree.py"
}

# The solver's message line, as a screen reader reads it.
message() { accessible_tree | awk -F'|' '$1 == "label" && $2 ~ /^(Bravissimo|Il passaggio|Hai finito)/ {print $2}' | head -n 1; }

# In the solver: Scegli espressione, then the file $1 typed into the real open dialog.
open_exercise() {
  click_twips "Risoluzione" 7140 60 2115 495
  sleep 1
  press ctrl+a
  type_text "$1"
  press Return
  sleep 1
}

# The text on the clipboard, as a program pasting it gets it.
clipboard() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/clipboard.py"; }

# The name of the object that has the keyboard focus.
focused_name() { accessible_tree | awk -F'|' '$4 ~ /focused/ && $1 !~ /^(filler|frame|window|application)$/ {print $2}' | tail -n 1; }

# Presses key $1 (Tab or shift+Tab) until the object named $2 has the focus.
focus_on() {
  local key=$1 name=$2 i
  for i in $(seq 1 60); do
    [ "$(focused_name)" = "$name" ] && return 0
    press "$key"
  done
  fail "the focus never reached '$name' with $key"
}
