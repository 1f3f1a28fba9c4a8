#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The pupil's own way through an exercise: the bracket taken away with its signs changed, then one
# operation at a time. Each own line is praised and shown in the pupil's colour; the document box
# holds, at every step, only the lines shown (its copy), never the teacher's lines that the pupil
# went past; the teacher's last line ends the exercise with no error.
source "$(dirname "$0")/desktop.sh"
start_desktop
teacher=("10 - (4 - 7) + 2 x 3" "= 10 - (-3) + 6" "= 10 + 3 + 6" "= 19")
own=("= 10 - 4 + 7 + 2 x 3" "= 10 - 4 + 7 + 6" "= 6 + 7 + 6" "= 13 + 6")
{
  printf '%s' '{\rtf1\ansi\deff0{\fonttbl{\f0 Comic Sans MS;}}\pard\fs24 '
  for line in "${teacher[@]}"; do printf '%s\\par ' "$line"; done
  printf '}'
} >"$WORK/percorso.rtf"
start_program

# Pixels of the pupil's colour (128, 0, 160) in the document box, whose top-left is at (8, 8) of
# the window's client area and which is $1 lines tall, in screenshot $2.
own_pixels() {
  local id x y height=$(((461 + 3456 * ($1 - 1) / 10 + 7) / 15))
  id=$(window_id Risoluzione)
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}')"
  convert "$SHOTS/$2.png" -crop "449x$height+$((x + 8))+$((y + 8))" +repage -fuzz 12% \
    -fill white +opaque 'rgb(128,0,160)' -fill black -opaque 'rgb(128,0,160)' \
    -format '%[fx:round(w*h*(1-mean))]' info:
}
# The document box's text, as Ctrl+A, Ctrl+C there gives it; then a click puts the focus back in
# the answer box, under the $1 lines shown.
box_text() {
  click_at Risoluzione 100 12
  press ctrl+a ctrl+c
  clipboard
  click_twips Risoluzione 120 $((720 + 3456 * ($1 - 1) / 10)) 6735 461
}

click_twips "Le Quintavia" 1800 2340 3375 615
window_id "Risoluzione" >/dev/null || fail "the solver did not open"
open_exercise "$WORK/percorso.rtf"
expected=${teacher[0]}
before=0
for k in "${!own[@]}"; do
  type_text "${own[$k]}"; press Return
  [ "$(message)" = "Bravissimo" ] || fail "the pupil's step '${own[$k]}' was not praised: '$(message)'"
  shot "pupil-own-path-$((k + 1))"
  expected+=$'\n'"${own[$k]}"
  shown=$(box_text $((k + 2)))
  [ "$shown" = "$expected" ] || fail "after '${own[$k]}' the document box holds '$shown'"
  for hidden in "${teacher[@]:1}"; do
    ! grep -qxF -- "$hidden" <<<"$shown" || fail "the teacher's line '$hidden' is shown after '${own[$k]}'"
  done
  pixels=$(own_pixels $((k + 2)) "pupil-own-path-$((k + 1))")
  [ "$pixels" -gt "$before" ] || fail "the line '${own[$k]}' is not drawn in the pupil's colour ($pixels pixels, $before before)"
  before=$pixels
done
log "four lines of the pupil's own shown in their colour, no teacher's line among them"

type_text "= 19"; press Return
sleep 0.5
shot pupil-own-path-end
final=$(message)
[ "$final" = "Hai finito con 0 errori e 0 aiuti " ] || fail "the final message is '$final'"
click_at Risoluzione 100 12
press ctrl+a ctrl+c
shown=$(clipboard)
[ "$shown" = "$expected"$'\n= 19' ] || fail "at the end the document box holds '$shown'"
[ "$(own_pixels 6 pupil-own-path-end)" -eq "$before" ] || fail "the teacher's last line is drawn in the pupil's colour"
log "ended by the teacher's last line: '$final'"
