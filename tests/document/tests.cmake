# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check's listing of exercise files.
quintavia_check_test(quintavia_check -DDATA=${CMAKE_CURRENT_SOURCE_DIR}/data/rtf)
