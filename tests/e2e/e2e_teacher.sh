#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The teacher's road: Editor, Nuova, an expression and three steps typed with the keypad and the
# keyboard (an exponent and curly brackets), the Invio button, Salva through the real file dialog,
# Esci, back to the start window; the saved file holds the lines.
source "$(dirname "$0")/desktop.sh"
start_desktop
start_program

# Editor keypad: Frame1 at (7020, 480); cells 495 twips on columns 120, 660, 1200, 1740; rows from 180.
key() {
  local column=$1 row=$2 width=${3:-495}
  click_twips "Editor" $((120 + 540 * column)) $((180 + 540 * row)) "$width" 495 7020 480
}
invio() { key 1 9 1035; }

click_twips "Le Quintavia" 4200 3420 3375 615
window_id "Editor" >/dev/null || fail "the editor did not open"
click_twips "Editor" 120 240 1515 675          # Nuova
shot editor-writing

# Line 1 with the keypad: {3²+1}:2
key 2 0; key 2 4; key 1 8; key 3 2; key 0 4; key 3 0; key 3 5; key 1 4
invio
# Lines 2 and 3 with the keyboard.
type_text "{9+1}:2"
invio
type_text "10:2"
invio
# Line 4 with the keypad: 5
key 1 3
shot editor-four-lines

target="$WORK/esercizio"
click_twips "Editor" 3600 240 1515 675         # Salva: the real save dialog
dialog=$(xdotool search --sync --onlyvisible --name '.' | while read -r w; do
  name=$(xdotool getwindowname "$w"); case "$name" in "Le Quintavia"|"Editor"|"") ;; *) echo "$w"; break ;; esac; done)
[ -n "$dialog" ] || fail "no save dialog appeared"
sleep 0.5
shot editor-save-dialog
press ctrl+a
type_text "$target"
press Return
wait_for "[ -s '$target.rtf' ]" 10 || fail "the exercise was not saved as $target.rtf"

click_twips "Editor" 8760 4980 495 1035        # Esci: saved, so no question
window_id "Le Quintavia" >/dev/null || fail "Esci did not bring back the start window"
window_gone "Editor" 5 || fail "the editor stayed open"

expected=$'{3^2+1}:2\n{9+1}:2\n10:2\n5'
actual=$("$QUINTAVIA_CHECK" "$target.rtf")
[ "$actual" = "$expected" ] || fail "the saved lines are: $actual"
grep -q '\\up' "$target.rtf" || fail "the exponent was not saved raised"
log "saved: $(echo "$actual" | tr '\n' '|')"
