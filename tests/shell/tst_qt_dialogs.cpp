// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt_dialogs.h"
#include "test_main.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace quintavia;

Q_DECLARE_METATYPE(quintavia::Answer)

class TestQtDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void questionAnswers_data();
    void questionAnswers();
};

void TestQtDialogs::questionAnswers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("Sì") << "yes" << Answer::Yes;
    QTest::newRow("No") << "no" << Answer::No;
    QTest::newRow("Enter: the default, Sì") << "enter" << Answer::Yes;
    QTest::newRow("Esc waits") << "escape" << Answer::Cancel;
    QTest::newRow("its own close box waits") << "close" << Answer::Cancel;
}

void TestQtDialogs::questionAnswers()
{
    QFETCH(QString, action);
    QFETCH(Answer, answer);
    QtDialogs dialogs;
    QStringList buttonsShown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton* button : box->buttons())
            if (button->isVisible())
                buttonsShown << button->text();
        if (action == u"yes")
            box->button(QMessageBox::Yes)->click();
        else if (action == u"no")
            box->button(QMessageBox::No)->click();
        else if (action == u"enter")
            QTest::keyClick(box, Qt::Key_Return);
        else if (action == u"escape")
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();  // what the window manager's close request comes to
    });
    QCOMPARE(dialogs.askYesNo(nullptr, QStringLiteral("Avviso"), QStringLiteral("Salvi il lavoro fatto?")),
             answer);
    QCOMPARE(buttonsShown.size(), 2);  // only Yes and No are offered
}

QUINTAVIA_TEST_MAIN(TestQtDialogs)
#include "tst_qt_dialogs.moc"
