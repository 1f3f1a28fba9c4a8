#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every window stays on top and refuses the window manager's close; the sound switch and the about
# window respond to real clicks; Esci ends the program with status 0.
source "$(dirname "$0")/desktop.sh"
start_desktop
start_program

check_window() {
  local title=$1 id
  id=$(window_id "$title") || fail "no window '$title'"
  xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "'$title' is not kept above"
  wmctrl -i -c "$id"
  sleep 0.7
  xdotool search --onlyvisible --name "^$title\$" >/dev/null || fail "'$title' closed on the window manager's request"
  xdotool windowactivate --sync "$id" key --clearmodifiers alt+F4 || true
  sleep 0.7
  xdotool search --onlyvisible --name "^$title\$" >/dev/null || fail "'$title' closed on Alt+F4"
  log "'$title' stays above and cannot be closed from outside"
}

check_window "Le Quintavia"
shot start-window

# The sound switch: checked (sounds off) after one click, unchecked after the second.
switch_state() { accessible_tree | awk -F'|' '$2 == "Silenzia i suoni" {print ($4 ~ /checked/) ? "off" : "on"}'; }
[ "$(switch_state)" = on ] || fail "sounds are not on at start"
click_twips "Le Quintavia" 4020 4620 1455 555
[ "$(switch_state)" = off ] || fail "the first click did not switch the sounds off"
shot start-window-sounds-off
click_twips "Le Quintavia" 4020 4620 1455 555
[ "$(switch_state)" = on ] || fail "the second click did not switch the sounds on"

# The about window: opens over the start window, OK closes it.
click_twips "Le Quintavia" 1800 4620 1455 555
check_window "Info"
shot about-window
click_twips "Info" 2820 2700 1395 555
window_gone "Info" 5 || fail "OK did not close the about window"
window_id "Le Quintavia" >/dev/null || fail "the start window went away with the about window"

# A click on the start window while the about window is open closes it.
click_twips "Le Quintavia" 1800 4620 1455 555
window_id "Info" >/dev/null || fail "the about window did not open again"
click_at "Le Quintavia" 20 400
window_gone "Info" 5 || fail "activating the start window did not close the about window"

# Both working windows, there and back.
click_twips "Le Quintavia" 1800 2340 3375 615
check_window "Risoluzione"
window_gone "Le Quintavia" 5 || fail "the start window stayed visible behind the solver"
click_twips "Risoluzione" 8760 5580 495 1035
window_id "Le Quintavia" >/dev/null || fail "the solver's Esci did not bring back the start window"
click_twips "Le Quintavia" 4200 3420 3375 615
check_window "Editor"
click_twips "Editor" 8760 4980 495 1035
window_id "Le Quintavia" >/dev/null || fail "the editor's Esci did not bring back the start window"

# Esci ends the program, successfully.
click_twips "Le Quintavia" 6120 4620 1455 555
for _ in $(seq 50); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$PROGRAM_PID" 2>/dev/null && fail "Esci did not end the program"
wait "$PROGRAM_PID" && status=0 || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
log "Esci ended the program with status 0"
