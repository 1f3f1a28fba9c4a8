// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The themes: how often a textbook expression uses each rule, and at every level that holds a theme
// exercises that use its rule twice and still keep the level's rules; none at the other levels.
#include "arithmetic/arithmetic.h"
#include "curriculum/level_rules.h"
#include "curriculum/levels.h"
#include "curriculum/themes.h"

#include <QTest>

#include <set>
#include <stdexcept>

using namespace quintavia;

class TestThemes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void uses_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("uses");
        auto row = [](const char* theme, const char* expression, int uses) {
            QTest::addRow("%s: %s", theme, expression) << theme << QString::fromUtf8(expression) << uses;
        };
        row("parentesi", "(2 + 3) x [4 - (1 + 1)]", 3);
        row("parentesi", "(-3) + 2 x (-1)", 0);  // brackets round a number hold no work
        row("ordine", "3 + 4 x 2 - 6 : 3", 3);   // two products in a sum, + and - left to right
        row("ordine", "8 - 3 + 2", 1);
        row("ordine", "18 : 3 x 2", 1);
        row("ordine", "5 + 4 + 1", 0);
        row("potenze", "2^3 + (1 + 2)^2", 2);
        row("segni", "(-3) x (-4) - 5", 2);
        row("frazioni", "1/2 + 1/3 x 3/4", 3);
        row("frazioni", "1 : 2 + 3", 0);
    }
    void uses()
    {
        QFETCH(QString, theme);
        QFETCH(QString, expression);
        QFETCH(int, uses);
        QCOMPARE(curriculum::themeNamed(theme.toStdString())->uses(expression.toStdString()), uses);
    }

    void exercisesOfATheme_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("level");
        for (const curriculum::Theme& theme : curriculum::themes())
            for (int level = 1; level <= curriculum::kLevels; ++level)
                QTest::addRow("%s, level %d", theme.name.data(), level) << QString::fromUtf8(theme.name.data()) << level;
    }
    void exercisesOfATheme()
    {
        QFETCH(QString, theme);
        QFETCH(int, level);
        const curriculum::Theme& named = *curriculum::themeNamed(theme.toStdString());
        if (!named.atLevel(level)) {
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, curriculum::generateOnTheme(level, named, 1, 1));
            return;
        }
        const auto expressions = curriculum::generateOnTheme(level, named, 20, 2026);
        QCOMPARE(expressions.size(), std::size_t(20));
        QCOMPARE(std::set<std::string>(expressions.begin(), expressions.end()).size(), std::size_t(20));
        for (const std::string& expression : expressions) {
            QVERIFY2(named.uses(expression) >= curriculum::kThemeUses, expression.c_str());
            const std::string fault = curriculum::levelFault(level, arithmetic::plainLine(expression));
            QVERIFY2(fault.empty(), (expression + ": " + fault).c_str());
        }
        QCOMPARE(curriculum::generateOnTheme(level, named, 20, 2026), expressions);
    }
};

QTEST_GUILESS_MAIN(TestThemes)
#include "tst_themes.moc"
