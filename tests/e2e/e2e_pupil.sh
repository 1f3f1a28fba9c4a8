#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The pupil's road: Risoluzione, Scegli espressione through the real file dialog, a wrong step,
# right steps typed on the keyboard and confirmed with Enter, a help, the end; the message line
# shows the final text (read through the accessibility tree).
source "$(dirname "$0")/desktop.sh"
start_desktop
printf '%s' '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fnil Comic Sans MS;}}\pard\fs24 \{3{\up8\b\fs16 2}+1\}:2\par \{9+1\}:2\par 10:2\par 5\par }' >"$WORK/esercizio.rtf"
# What a screen reader is told: every change of an accessible name (listening before the program
# starts, so the program knows from the first moment that someone listens).
/usr/bin/python3 "$(dirname "$0")/listen_names.py" >"$WORK/announced" 2>/dev/null &
PIDS+=($!)
wait_for "grep -q listening '$WORK/announced'" 10 || fail "could not listen on the accessibility bus"
start_program

click_twips "Le Quintavia" 1800 2340 3375 615
window_id "Risoluzione" >/dev/null || fail "the solver did not open"
shot solver-no-exercise
open_exercise "$WORK/esercizio.rtf"
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
for said in "Il passaggio non è esatto. Correggi." "Bravissimo" "$final"; do
  grep -qxF "label|$said" "$WORK/announced" || { cat "$WORK/announced" >&2; false; } || fail "the message line did not announce '$said'"
done
log "final message: '$final', each message announced on the accessibility bus"

# The account's own record, written through the module the program loads at the first answer.
report=$("$QUINTAVIA_CHECK" --registro "$WORK/data/quintavia/registro" 2>&1) \
  || { cat "$WORK/program.log" >&2; fail "the pupil's record was not written: $report"; }
echo "$report" | grep -q "1 esercizio, 1 finito, 1 errore, 1 aiuto" || fail "the record does not hold the exercise: $report"
log "the record holds the exercise"
