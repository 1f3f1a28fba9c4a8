# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests of what the solver's window lets a pupil read (sourced after desktop.sh):
# exercises of sums of ones, worked with a slip at every step, each step photographed and checked
# by readable_check.py.

READABLE_CHECK=$(dirname "${BASH_SOURCE[0]}")/readable_check.py

# "1 + 1 + ..." of $1 ones.
ones() { local s=1 i; for ((i = 1; i < $1; i++)); do s+=" + 1"; done; echo "$s"; }

# Writes to $2 an exercise of $1 lines: the sum of $1 ones, then one addition a line.
write_sum() {
  local lines=$1 k line
  {
    printf '%s' '{\rtf1\ansi\deff0{\fonttbl{\f0 Comic Sans MS;}}\pard\fs24 '
    for ((k = 0; k < lines; k++)); do
      line=$(ones $((lines - k)))
      line=${line/#1/$((k + 1))}
      [ "$k" -gt 0 ] && line="= $line"
      printf '%s\\par ' "$line"
    done
    printf '}'
  } >"$2"
}

# Checks the solver as it stands, with the screenshot $1 (under $SHOTS); further arguments go to
# readable_check.py. A window still repainting gets a second look a moment later.
check_readable() {
  local name=$1 picture=$SHOTS/$1.png report
  shift
  shot "$name"
  if ! report=$(/usr/bin/python3 "$READABLE_CHECK" "$picture" "$@" 2>&1); then
    sleep 1
    shot "$name"
    report=$(/usr/bin/python3 "$READABLE_CHECK" "$picture" "$@" 2>&1) || fail "$report"
  fi
}

# Opens the exercise $2 of $1 lines and works it to the end: at each step a wrong answer, whose
# hint is checked on the screen, then Aiuto (F1) for the right one. Screenshots go to $SHOTS/$3.
work_with_hints() {
  local lines=$1 file=$2 folder=$3 step
  rm -rf "${SHOTS:?}/$folder"
  mkdir -p "$SHOTS/$folder"
  open_exercise "$file"
  for ((step = 1; step < lines; step++)); do
    type_text "= 0"
    press Return
    sleep 0.3
    check_readable "$folder/step-$(printf %02d "$step")" --hint
    press F1
  done
  sleep 0.3
  final=$(message)
  [ "$final" = "Hai finito con $((lines - 1)) errori e $((lines - 1)) aiuti " ] ||
    fail "$lines lines: the final message is '$final'"
  check_readable "$folder/end"
  log "$lines lines worked with a hint at every step: each clear of the picture and the controls, on a plain ground; no line cut"
}
