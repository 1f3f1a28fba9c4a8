// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// quintavia-check --scheda: prints exercise files and folders as a PDF worksheet.

// True when the command line asks for a worksheet (it holds "--scheda" before any "--").
bool isWorksheetCommand(int argc, char* argv[]);
// Runs the whole command and returns its exit status: 0 when every exercise went in, 1 when some
// could not be read or the sheet could not be written, 2 for a wrong command line.
int runWorksheetCommand(int argc, char* argv[]);
