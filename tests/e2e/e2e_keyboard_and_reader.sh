#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A screen reader's view and keyboard-only use: every control has an Italian name on the
# accessibility bus (AT-SPI), and a pupil can open and solve an exercise and leave the program
# without touching the mouse.
source "$(dirname "$0")/desktop.sh"
start_desktop
printf '%s' '{\rtf1\ansi\deff0{\fonttbl{\f0 Comic Sans MS;}}\pard 3{\up8 2}+1\par 9+1\par 10\par }' >"$WORK/potenze.rtf"
start_program

# Every button, switch and text box that is showing has a name to say.
unnamed() {
  accessible_tree | awk -F'|' '($1 ~ /button|text|check box/) && $4 ~ /showing/ && $2 == "" {print $1}'
}
expect_names() {
  local tree name
  tree=$(accessible_tree)
  for name in "$@"; do
    echo "$tree" | awk -F'|' -v n="$name" '$2 == n {found = 1} END {exit !found}' || { echo "$tree" | tail -4 >&2; fail "no control named '$name'"; }
  done
}

expect_names Risoluzione Editor Info Esci "Silenzia i suoni"
[ -z "$(unnamed)" ] || fail "unnamed controls on the start window: $(unnamed)"

focus_on Tab Risoluzione
shot keyboard-focus-on-risoluzione
press space
window_id "Risoluzione" >/dev/null || fail "Space on Risoluzione did not open the solver"
sleep 1
expect_names "Scegli espressione" Aiuto Esci Espressione "Il tuo passaggio" più meno per punto diviso \
  "linea di frazione" uguale virgola "apri parentesi tonda" "chiudi parentesi graffa" "esponente 2" cancella invio
[ -z "$(unnamed)" ] || fail "unnamed controls in the solver: $(unnamed)"

focus_on Tab "Scegli espressione"
press space
sleep 1
press ctrl+a
type_text "$WORK/potenze.rtf"
press Return
sleep 1
f=$(focused_name); [ "$f" = "Il tuo passaggio" ] || { accessible_tree | grep -E "focused|text" >&2; fail "the answer box did not get the focus after opening (focus: $f)"; }
type_text "9+1"; press Return
focus_on shift+Tab Aiuto
shot keyboard-focus-on-aiuto
press space
focus_on Tab Esci
press space
window_id "Le Quintavia" >/dev/null || fail "Space on Esci did not bring back the start window"

focus_on Tab Editor
press space
window_id "Editor" >/dev/null || fail "Space on Editor did not open the editor"
sleep 1
expect_names Nuova Modifica Salva Colore Esercizio Esci "esponente 9" invio
focus_on Tab Esci
press space
window_id "Le Quintavia" >/dev/null || fail "the editor's Esci did not bring back the start window"

focus_on Tab Esci
press space
for _ in $(seq 50); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$PROGRAM_PID" 2>/dev/null && fail "Esci did not end the program"
log "named controls everywhere; solved and left with the keyboard alone"
