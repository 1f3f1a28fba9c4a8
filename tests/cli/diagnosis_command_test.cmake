# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check --diagnosi (TOOL): one line, "giusto" (with a suggestion after ": " when there is
# one) or "categoria: messaggio", raised digits after "^"; the two lines an answer is judged against
# must read.
include(${CMAKE_CURRENT_LIST_DIR}/../support/run_tool.cmake)

run_tool(0 "potenza: 4^3 = 4 x 4 x 4 = 64, non 12.\n" "" --diagnosi "4^3 + 1" "= 64 + 1" "= 12 + 1")
run_tool(0 "giusto\n" "" --diagnosi "3 + 6 x 2" "= 3 + 12" "3 + 12")
run_tool(0 "calcolo: 6 x 2 fa 12, non 2.\n" "" --diagnosi "3 + 6 x 2" "= 3 + 12" "= 3 + 2")
run_tool(0 "giusto\n" "" --diagnosi "3 + 6 x 2" "= 3 + 12" "= 12 + 3")
run_tool(0 "giusto\n" "" --diagnosi "18 : 3 x 2" "= 12" "= 6 x 2")
run_tool(0 "giusto: Ora riduci 6/8.\n" "" --diagnosi "(1/2 + 1/4) x 4" "= 3/4 x 4" "= 6/8 x 4")
run_tool(0 "ordine: Addizioni e sottrazioni si eseguono nell'ordine in cui compaiono, da sinistra a destra.\n" ""
         --diagnosi "20 - 12 + 2" "= 10" "= 20 - 14")
run_tool(2 "" "quintavia-check: PRECEDENTE: colonna 7: manca una parentesi chiusa\n"
         --diagnosi "3 + (6" "= 9" "= 9")
run_tool(2 "" "quintavia-check: ATTESA: la riga non contiene numeri\n" --diagnosi "3 + 6" "nove" "= 9")
run_tool(2 "" "quintavia-check: --diagnosi vuole tre righe: la precedente, quella attesa, la risposta\nProva \"quintavia-check --diagnosi --help\".\n"
         --diagnosi "3 + 6" "= 9")
