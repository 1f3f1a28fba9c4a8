// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/char_format.h"
#include "test_main.h"
#include "widgets/elided_text.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

using namespace quintavia;

class TestElidedText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void atMostTwoLines_data();
    void atMostTwoLines();
};

void TestElidedText::atMostTwoLines_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("cut");
    QTest::newRow("fits") << "6 x 2 fa 12, non 14." << false;
    QTest::newRow("two lines, whole")
        << "Prima le moltiplicazioni e le divisioni, poi le addizioni e le sottrazioni." << false;
    QTest::newRow("longer: cut") << QString("Hai ricopiato 12 + 34 x 56 come 21 + 43 x 65. ").repeated(4)
                                 << true;
    QTest::newRow("exponents kept in what stays")
        << QString("2<sup>3</sup> = 2 x 2 x 2 = 8, non 6. ").repeated(8) << true;
}

void TestElidedText::atMostTwoLines()
{
    QFETCH(QString, html);
    QFETCH(bool, cut);
    const QFont font = exerciseFont();
    bool wasCut = !cut;
    const QString shown = elidedRichText(html, font, 300, 2, &wasCut);
    QCOMPARE(wasCut, cut);
    QTextDocument laid;
    laid.setDefaultFont(font);
    laid.setDocumentMargin(0);
    laid.setHtml(shown);
    laid.setTextWidth(300);
    laid.documentLayout()->documentSize();
    QVERIFY(laid.firstBlock().layout()->lineCount() <= 2);
    QVERIFY(laid.firstBlock().layout()->lineCount() >= 1);
    QCOMPARE(laid.toPlainText().endsWith(QChar(0x2026)), cut);
    if (!cut)
        QCOMPARE(shown, html);
    else  // as much as fits: a third line would begin at once
        QVERIFY(laid.toPlainText().size() > 40);
    if (html.contains(QStringLiteral("<sup>")))
        QVERIFY(shown.contains(QStringLiteral("vertical-align:super")));
}

QUINTAVIA_TEST_MAIN(TestElidedText)
#include "tst_elided_text.moc"
