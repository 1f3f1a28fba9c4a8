# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What every command of quintavia-check shares: the order of a folder, and a full disk.
quintavia_check_test(shared_behaviour)
# --diagnosi: its line and its exit status.
quintavia_check_test(diagnosis_command)
# --risolvi: whole paths through exercises, answers on standard input.
quintavia_check_test(solve_command -DSOURCE=${PROJECT_SOURCE_DIR})
