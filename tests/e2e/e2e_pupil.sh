#!/usr/bin/env bash
# The pupil's road: Risoluzione, Scegli espressione through the real file dialog, a wrong step,
# right steps typed on the keyboard and confirmed with Enter, a help, the end; the message line
# shows the final text (read through the accessibility tree).
source "$(dirname "$0")/desktop.sh"
start_desktop
printf '%s' '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fnil Comic Sans MS;}}\pard\fs24 \{3{\up8\b\fs16 2}+1\}:2\par \{9+1\}:2\par 10:2\par 5\par }' >"$WORK/esercizio.rtf"
start_program

message() { accessible_tree | awk -F'|' '$1 == "label" && $2 ~ /^(Bravissimo|Il passaggio|Hai finito)/ {print $2}' | head -n 1; }

click_twips "Le Quintavia" 1800 2340 3375 615
window_id "Risoluzione" >/dev/null || fail "the solver did not open"
shot solver-no-exercise
click_twips "Risoluzione" 7140 60 2115 495     # Scegli espressione: the real open dialog
sleep 1
press ctrl+a
type_text "$WORK/esercizio.rtf"
press Return
sleep 1
shot solver-running

type_text "{9+2}:2"; press Return
[ "$(message)" = "Il passaggio non è esatto. Correggi." ] || fail "a wrong step was not rejected: '$(message)'"
press ctrl+a; type_text "{9+1}:2"; shot solver-corrected; press Return
[ "$(message)" = "Bravissimo" ] || fail "a right step was not praised: '$(message)'"
click_twips "Risoluzione" 120 180 2115 495 7020 540   # Aiuto
type_text "5"; press Return
sleep 0.5
shot solver-finished
final=$(message)
[ "$final" = "Hai finito con 1 errore e 1 aiuto " ] || fail "the final message is '$final'"
log "final message: '$final'"
