// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
class QWidget;
namespace quintavia {
class WindowRegistry;
// Creates the start window (the program's home).
QWidget* createStartWindow(WindowRegistry& registry);
// Creates the about window.
QWidget* createInfoWindow(WindowRegistry& registry);
}  // namespace quintavia
