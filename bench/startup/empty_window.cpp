// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: an empty Qt widgets window of the start window's size (634 by 455
// pixels), nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(634, 455);
    window.show();
    return QApplication::exec();
}
