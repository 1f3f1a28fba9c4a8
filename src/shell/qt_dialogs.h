// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/dialogs.h"

namespace quintavia {

// The dialogs as Qt draws them (in Italian once the program has loaded Qt's translation). The file
// dialogs are Qt's own, never the desktop's, so that they speak Italian in full.
class QtDialogs final : public Dialogs {
public:
    std::optional<QString> openFile(QWidget* parent, const QString& filter, const QString& current,
                                    const QString& folder) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& filter, const QString& current,
                                    const QString& folder) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& current) override;
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title, const QString& current) override;
    std::optional<QString> askName(QWidget* parent, const QString& title, const QString& question,
                                   const QStringList& names) override;
    Answer askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    void warn(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<PrintChoice> choosePrinter(QWidget* parent, QPrinter& printer) override;
};

}  // namespace quintavia
