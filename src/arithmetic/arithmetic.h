// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: the school notation of one line, exact rational values, how a value is written, chains.
// Must not know: documents, files, widgets, Qt, or GMP outside this folder's .cpp files.
#include "arithmetic/chain_check.h"
#include "arithmetic/expression.h"
#include "arithmetic/line.h"
#include "arithmetic/notation.h"
#include "arithmetic/reader.h"
#include "arithmetic/step_match.h"
#include "arithmetic/steps.h"
#include "arithmetic/value.h"
