#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Nothing lost, nothing leaked, as a person finds out: Esc and the close box on "Salvi il lavoro
# fatto?" go back to the editor with the text kept, and only Sì and No leave; Annulla in the open
# dialog, or a file that cannot be read, leave the pupil where they were; Ctrl+A, Ctrl+C in the
# document box copy the revealed lines and nothing below them.
source "$(dirname "$0")/desktop.sh"
start_desktop
printf '%s' '{\rtf1\ansi\deff0{\fonttbl{\f0 Comic Sans MS;}}\pard (2+3)x4-6\par 5x4-6\par 20-6\par 14\par }' >"$WORK/esercizio.rtf"
echo "non sono un esercizio" >"$WORK/rotto.rtf"
start_program

# Types $1 on a new exercise in the editor and presses Esci: the question must come.
write_and_leave() {
  click_twips "Le Quintavia" 4200 3420 3375 615
  window_id "Editor" >/dev/null || fail "the editor did not open"
  click_twips "Editor" 120 240 1515 675          # Nuova
  type_text "$1"
  ask
}
ask() {
  click_twips "Editor" 8760 4980 495 1035        # Esci
  window_id "Avviso" >/dev/null || fail "Esci on unsaved work did not ask"
  accessible_tree | grep -F "|Salvi il lavoro fatto?|" >/dev/null || fail "the question is not 'Salvi il lavoro fatto?'"
}
editor_stays() {
  window_gone "Avviso" 5 || fail "$1 did not take the question away"
  sleep 0.5
  xdotool search --onlyvisible --name '^Editor$' >/dev/null || fail "$1 on the question closed the editor"
}

write_and_leave "7+8"
shot question-unsaved-work
press Escape
editor_stays Esc
ask
wmctrl -i -c "$(window_id Avviso)"
editor_stays "The question's close box"
# The text is still there: Sì saves it (through the real save dialog) and leaves.
ask
focus_on Tab "Sì"
press space
sleep 1
press ctrl+a
type_text "$WORK/lavoro"
press Return
wait_for "[ -s '$WORK/lavoro.rtf' ]" 10 || fail "Sì did not save the work"
window_gone "Editor" 5 || fail "the editor stayed open after Sì"
[ "$("$QUINTAVIA_CHECK" "$WORK/lavoro.rtf")" = "7+8" ] || fail "the saved work is '$("$QUINTAVIA_CHECK" "$WORK/lavoro.rtf")'"
# No leaves without saving.
write_and_leave "1+1"
focus_on Tab "No"
press space
window_gone "Editor" 5 || fail "No did not leave the editor"
window_id "Le Quintavia" >/dev/null || fail "No did not bring back the start window"
log "Esc and the close box kept the editor and its text; Sì saved and left, No left"

click_twips "Le Quintavia" 1800 2340 3375 615
window_id "Risoluzione" >/dev/null || fail "the solver did not open"
open_exercise "$WORK/esercizio.rtf"
type_text "5x4-6"; press Return
[ "$(message)" = "Bravissimo" ] || fail "the first step was not praised: '$(message)'"

click_at Risoluzione 100 20                      # the document box
press ctrl+a ctrl+c
copied=$(clipboard)
[ "$copied" = $'(2+3)x4-6\n5x4-6' ] || fail "Ctrl+A, Ctrl+C in the document box copied: '$copied'"
log "the clipboard holds the revealed lines only"
# A wrong step first, so that the praise below is news, and the error must be kept too.
focus_on Tab "Il tuo passaggio"
type_text "21-6"; press Return
[ "$(message)" = "Il passaggio non è esatto. Correggi." ] || fail "a wrong step was not rejected: '$(message)'"

click_twips "Risoluzione" 7140 60 2115 495       # Scegli espressione
sleep 1
shot solver-open-dialog
focus_on Tab "Annulla"
press space
window_gone "Apri" 5 || fail "Annulla did not close the open dialog"
focus_on Tab "Il tuo passaggio"
press ctrl+a; type_text "20-6"; press Return
[ "$(message)" = "Bravissimo" ] || fail "after Annulla the next step was not praised: '$(message)'"

open_exercise "$WORK/rotto.rtf"
window_id "Avviso" >/dev/null || fail "a file that cannot be read was not refused"
shot solver-cannot-read
press Return
window_gone "Avviso" 5 || fail "the warning did not go away"
focus_on Tab "Il tuo passaggio"
type_text "14"; press Return
final=$(message)
[ "$final" = "Hai finito con 1 errore e 0 aiuti " ] || fail "after a file that cannot be read the last step gave '$final'"
log "Annulla and an unreadable file kept the exercise; final message '$final'"
