# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A library of ours exports its own headers' folder and nothing else: src/<folder>/x.h is reached as
# "<folder>/x.h" through a link in the build tree, so a file can include only the headers of the
# libraries its target links (scripts/check-layers checks which ones it may link). Link another
# library PUBLIC only when your headers include its headers, PRIVATE otherwise.
function(quintavia_export_headers target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
