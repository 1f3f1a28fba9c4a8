#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A 20-line exercise worked to its end: after every step the screenshot (kept in pupil_twenty/ of
# the screenshots) shows no line cut by the top or bottom edge of the document box's text area,
# and the expression stays in its place as the first line.
source "$(dirname "$0")/desktop.sh"
start_desktop
OUT=$SHOTS/pupil_twenty
rm -rf "$OUT"
mkdir -p "$OUT"
# One operation a step, written without blanks so that every line fits the box's width.
mapfile -t lines < <("${QUINTAVIA_CHECK:?}" --passaggi "2x3+4x5-6:2+8x2-9:3+7x4-5x2+12:6-3x3+10:5" --fini | sed 's/^= //; s/ //g')
[ "${#lines[@]}" -eq 20 ] || fail "the exercise has ${#lines[@]} lines, not 20"
{
  printf '%s' '{\rtf1\ansi\deff0{\fonttbl{\f0 Comic Sans MS;}}\pard '
  printf '%s\\par ' "${lines[@]}"
  printf '}'
} >"$WORK/venti.rtf"
start_program
click_twips "Le Quintavia" 1800 2340 3375 615
window_id "Risoluzione" >/dev/null || fail "the solver did not open"
open_exercise "$WORK/venti.rtf"
solver=$(window_id "Risoluzione")

# Pixels that are not white on row $2 of the text area (x 9 to 455) in the picture $1.
ink() { convert "$1" -crop "447x1+9+$2" +repage -fill black +opaque white -format '%[fx:round((1-mean)*w)]' info:; }
# The last row of the box's 1-pixel frame, which starts at (8, 8): where its left side ends.
frame_bottom() { convert "$1" -crop 1x600+8+8 +repage txt:- | awk -F'[ ,:]+' 'NR > 1 && !/#C59494/ && !found {print $2 + 7; found = 1}'; }

check_step() {
  local step=$1 picture bottom row
  picture=$OUT/step-$(printf %02d "$1").png
  import -window "$solver" "$picture"
  bottom=$(frame_bottom "$picture")
  [ -n "$bottom" ] && [ "$bottom" -gt 30 ] || fail "step $step: no document box in $picture"
  for row in 9 $((bottom - 1)); do
    [ "$(ink "$picture" "$row")" -eq 0 ] || fail "step $step: row $row of the text area cuts a line ($(ink "$picture" "$row") pixels, $picture)"
  done
  # The expression's own line (text rows 9 to 32) is drawn as at the start.
  convert "$picture" -crop 447x24+9+9 +repage "$WORK/expression-$step.png"
  local moved
  moved=$(compare -metric AE "$WORK/expression-1.png" "$WORK/expression-$step.png" null: 2>&1 || true)
  [ "$moved" = 0 ] || fail "step $step: the expression is not in its place ($moved pixels differ, $picture)"
  heights+=("$((bottom - 9))")
}

heights=()
check_step 1
for ((i = 1; i < 20; i++)); do
  type_text "${lines[i]}"
  press Return
  [ "$i" -eq 19 ] || [ "$(message)" = "Bravissimo" ] || fail "step $((i + 1)) '${lines[i]}' was not praised: '$(message)'"
  check_step $((i + 1))
done
final=$(message)
[ "$final" = "Hai finito con 0 errori e 0 aiuti " ] || fail "the final message is '$final'"
log "20 lines worked to the end, no line cut at any step; text area heights: ${heights[*]}"
