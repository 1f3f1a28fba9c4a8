# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check --genera, on files the test writes itself.
quintavia_check_test(generate_command)
# The shipped collection: its script remakes it byte for byte, and every exercise verifies.
quintavia_check_test(collection -DSOURCE=${PROJECT_SOURCE_DIR})
