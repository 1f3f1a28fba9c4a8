// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_harness.h"

#include "window_factories.h"

namespace quintavia::test {

Harness::Harness()
{
    registerWindowFactories(registry);
}

}  // namespace quintavia::test
