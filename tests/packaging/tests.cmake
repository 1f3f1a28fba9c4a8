# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and the AppStream metadata must pass their validators.
add_test(NAME packaging.desktop_file
         COMMAND desktop-file-validate ${PROJECT_SOURCE_DIR}/packaging/org.example.quintavia.desktop)
add_test(NAME packaging.metainfo
         COMMAND appstreamcli validate --no-net --pedantic
                 ${PROJECT_SOURCE_DIR}/packaging/org.example.quintavia.metainfo.xml)
