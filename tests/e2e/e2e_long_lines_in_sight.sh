#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Long lines: a 25-line exercise whose expression has 97 characters, with a slip at every step
# (the hint clear of the picture and the controls, on a plain ground, no line cut), then an
# expression of 100 characters shown whole. Screenshots in long_lines/ of the screenshots.
source "$(dirname "$0")/desktop.sh"
source "$(dirname "$0")/readable_steps.sh"
start_desktop
write_sum 25 "$WORK/venticinque.rtf"
hundred="12 + $(ones 23) + 100"
[ "${#hundred}" -eq 100 ] || fail "the long expression has ${#hundred} characters"
printf '%s' "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Comic Sans MS;}}\\pard\\fs24 $hundred\\par = 135\\par }" >"$WORK/cento.rtf"
start_program
click_twips "Le Quintavia" 1800 2340 3375 615
window_id "Risoluzione" >/dev/null || fail "the solver did not open"
work_with_hints 25 "$WORK/venticinque.rtf" long_lines

open_exercise "$WORK/cento.rtf"
check_readable long_lines/hundred --line "$hundred"
log "a 100-character expression shown whole"
