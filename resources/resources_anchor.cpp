// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The resources are attached to this library by qt_add_resources; this file only gives it a body.
namespace quintavia {
int resourcesAnchor()
{
    return 0;
}
}  // namespace quintavia
