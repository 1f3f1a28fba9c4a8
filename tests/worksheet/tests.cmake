# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check --scheda: the PDF's text, overwriting and unreadable files.
quintavia_check_test(quintavia_check_sheet -DDATA=${CMAKE_CURRENT_SOURCE_DIR}/data/rtf)
