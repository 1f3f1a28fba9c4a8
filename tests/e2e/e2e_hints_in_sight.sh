#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A 5- and a 15-line exercise with a slip at every step: the hint stands clear of the picture and
# of every control, on a plain ground, and no line of the document box is cut (screenshots in
# hints_5/ and hints_15/ of the screenshots).
source "$(dirname "$0")/desktop.sh"
source "$(dirname "$0")/readable_steps.sh"
start_desktop
write_sum 5 "$WORK/cinque.rtf"
write_sum 15 "$WORK/quindici.rtf"
start_program
click_twips "Le Quintavia" 1800 2340 3375 615
window_id "Risoluzione" >/dev/null || fail "the solver did not open"
work_with_hints 5 "$WORK/cinque.rtf" hints_5
work_with_hints 15 "$WORK/quindici.rtf" hints_15
