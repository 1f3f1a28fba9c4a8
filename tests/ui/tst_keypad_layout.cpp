// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one key table against both working windows' layouts: every key has exactly one cell, no two
// controls of the frame share a cell, and the window's tab indexes are all different.
#include "test_main.h"
#include "ui/editor_layout.h"
#include "ui/solver_layout.h"
#include "widgets/keypad_keys.h"

#include <QPair>
#include <QSet>

using namespace quintavia;

Q_DECLARE_METATYPE(const quintavia::ui::WindowSpec*)

class TestKeypadLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyKeyHasOneCell_data();
    void everyKeyHasOneCell();
};

void TestKeypadLayout::everyKeyHasOneCell_data()
{
    QTest::addColumn<const ui::WindowSpec*>("layout");
    QTest::newRow("solver") << &ui::solverLayout();
    QTest::newRow("editor") << &ui::editorLayout();
}

void TestKeypadLayout::everyKeyHasOneCell()
{
    QFETCH(const ui::WindowSpec*, layout);
    QHash<QString, int> cellsOfKey;
    QSet<QPair<int, int>> taken;
    QSet<int> tabIndexes;
    for (const ui::ControlSpec& c : layout->controls) {
        const QString name = QString::fromUtf8(c.name);
        cellsOfKey[name] += 1;
        if (c.tabIndex >= 0) {
            QVERIFY2(!tabIndexes.contains(c.tabIndex), qPrintable(name));
            tabIndexes.insert(c.tabIndex);
        }
        if (QByteArray(c.parent) == "Frame1") {
            QVERIFY2(!taken.contains({c.left, c.top}), qPrintable(name));
            taken.insert({c.left, c.top});
        }
    }
    for (const KeyDef& key : keyTable())
        QVERIFY2(cellsOfKey.value(QString::fromUtf8(key.name)) == 1, key.name);
}

QUINTAVIA_TEST_MAIN(TestKeypadLayout)
#include "tst_keypad_layout.moc"
