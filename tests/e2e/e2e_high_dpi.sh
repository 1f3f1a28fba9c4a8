#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# At a device pixel ratio of 2 every window keeps its layout at twice the size, and its pictures
# are drawn sharp (screenshots for people to look at).
source "$(dirname "$0")/desktop.sh"
export QT_SCALE_FACTOR=2
start_desktop
start_program

client_size() {
  xwininfo -id "$(window_id "$1")" | awk '/^  Width:/ {w = $2} /^  Height:/ {h = $2} END {print w "x" h}'
}
expect_size() {
  local size
  size=$(client_size "$1")
  [ "$size" = "$2" ] || fail "'$1' is $size at scale 2, not $2"
}

expect_size "Le Quintavia" 1268x910
shot high-dpi-start
click_twips "Le Quintavia" $((1800 * 2)) $((4620 * 2)) $((1455 * 2)) $((555 * 2))
expect_size "Info" 934x460
shot high-dpi-about
click_twips "Info" $((2820 * 2)) $((2700 * 2)) $((1395 * 2)) $((555 * 2))
window_gone "Info" 5 || fail "OK did not close the about window"
click_twips "Le Quintavia" $((1800 * 2)) $((2340 * 2)) $((3375 * 2)) $((615 * 2))
expect_size "Risoluzione" 1268x910
shot high-dpi-solver
click_twips "Risoluzione" $((8760 * 2)) $((5580 * 2)) $((495 * 2)) $((1035 * 2))
click_twips "Le Quintavia" $((4200 * 2)) $((3420 * 2)) $((3375 * 2)) $((615 * 2))
expect_size "Editor" 1268x910
shot high-dpi-editor
log "all four windows doubled; screenshots in $SHOTS"
