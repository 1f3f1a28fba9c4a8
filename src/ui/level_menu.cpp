// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/level_menu.h"

#include "curriculum/levels.h"

#include <QMenu>

namespace quintavia::ui {

QMenu* levelMenu(QWidget* parent, const std::function<void(int level)>& chosen)
{
    auto* menu = new QMenu(parent);
    for (int number = 1; number <= curriculum::kLevels; ++number) {
        const std::string_view name = curriculum::level(number).name;
        const QString caption = QStringLiteral("%1 - %2")
                                    .arg(number)
                                    .arg(QString::fromUtf8(name.data(), qsizetype(name.size())));
        QObject::connect(menu->addAction(caption), &QAction::triggered, menu, [chosen, number] { chosen(number); });
    }
    return menu;
}

}  // namespace quintavia::ui
