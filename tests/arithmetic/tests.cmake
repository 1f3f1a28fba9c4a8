# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check --valore, --verifica and --passaggi, on exercise files the test writes itself.
quintavia_check_test(check_commands)
