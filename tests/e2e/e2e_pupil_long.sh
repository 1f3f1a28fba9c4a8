#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A long exercise on a real desktop: windows centred by their frame and asking for no close box;
# Enter presses the focused button; the wheel and Ctrl+End do not move the document box; 25 lines
# worked to the end with the message line still in sight.
source "$(dirname "$0")/desktop.sh"
start_desktop
{
  printf '%s' '{\rtf1\ansi\deff0{\fonttbl{\f0 Comic Sans MS;}}\pard '
  for i in $(seq 1 25); do printf '%s\\par ' "$i"; done
  printf '}'
} >"$WORK/lungo.rtf"
start_program

# Frame of window $1 as "x y width height", window manager's decorations included.
frame_of() {
  local id=$1 x y w h l r t b
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4} /Width:/ {print "w=" $2} /Height:/ {print "h=" $2}')"
  read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  echo $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))
}
check_centred() {
  local id x y w h cx cy
  id=$(window_id "$1") || fail "no window '$1'"
  sleep 0.5
  read -r x y w h < <(frame_of "$id")
  read -r cx cy < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
  [ $((2 * x + w - cx)) -ge -2 ] && [ $((2 * x + w - cx)) -le 2 ] && [ $((2 * y + h - cy)) -ge -2 ] && [ $((2 * y + h - cy)) -le 2 ] ||
    fail "the frame of '$1' ($x $y $w $h) is not centred on the ${cx}x$cy screen"
  # The Motif hints ask for the functions explicitly, without close (bit 0x20) and not all (0x1).
  local flags functions
  IFS=', ' read -r flags functions _ < <(xprop -id "$id" _MOTIF_WM_HINTS | sed 's/.*= //')
  (( (flags & 1) && !(functions & 0x21) )) ||
    fail "'$1' does not ask the window manager for no close box: $(xprop -id "$id" _MOTIF_WM_HINTS)"
  log "'$1' centred by its frame, asks for no close box"
}
# Pixels of region (x, y, w, h) of the client area of window $1, saved as $2.
grab() {
  local id x y
  id=$(window_id "$1")
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}')"
  import -window root -crop "$5x$6+$((x + $3))+$((y + $4))" +repage "$WORK/$2.png"
}
differing() { compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1 || true; }

check_centred "Le Quintavia"
focus_on Tab Info
press Return
check_centred "Info"
press KP_Enter
window_gone "Info" 5 || fail "keypad Enter on OK did not close the about window"
focus_on Tab Risoluzione
press KP_Enter
check_centred "Risoluzione"
focus_on Tab "Scegli espressione"
press Return
sleep 1
press ctrl+a
type_text "$WORK/lungo.rtf"
press Return
sleep 1
# Enter on keypad keys types and confirms.
focus_on Tab due
press Return
focus_on Tab invio
press Return
[ "$(message)" = "Bravissimo" ] || fail "Enter on the keypad's 2 and on invio did not confirm the step: '$(message)'"
log "Enter pressed the focused buttons"

# The document box (449 x 54 pixels now, at 8, 8) keeps showing lines 1 and 2.
click_at Risoluzione 440 20
grab Risoluzione box-before 8 8 449 54
xdotool mousemove_relative 0 5 click --repeat 6 --delay 50 5
sleep 0.3
grab Risoluzione box-wheel 8 8 449 54
press ctrl+End
grab Risoluzione box-end 8 8 449 54
shot pupil-long-after-ctrl-end
# Only the caret may blink in between.
[ "$(differing box-before box-wheel)" -le 60 ] || fail "the wheel moved the document box ($(differing box-before box-wheel) pixels)"
[ "$(differing box-before box-end)" -le 60 ] || fail "Ctrl+End moved the document box ($(differing box-before box-end) pixels)"
log "wheel and Ctrl+End left the document box as it was"

focus_on Tab "Il tuo passaggio"
for i in $(seq 3 25); do
  type_text "$i"; press Return
done
sleep 0.5
shot pupil-long-finished
final=$(message)
[ "$final" = "Hai finito con 0 errori e 0 aiuti " ] || fail "the final message is '$final'"
# And it can be seen: red text on the message line (at 8, 408), not covered by a box.
grab Risoluzione message 8 408 449 33
red=$(convert "$WORK/message.png" -fuzz 25% -fill black +opaque red -fill white -opaque red -format '%[fx:round(mean*w*h)]' info:)
[ "$red" -gt 100 ] || fail "the final message is not in sight ($red red pixels on the message line)"
log "25 lines worked to the end; final message '$final' in sight ($red red pixels)"
