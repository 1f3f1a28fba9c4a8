// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/char_format.h"
#include "test_main.h"
#include "widgets/exponent_clipboard.h"
#include "widgets/keypad.h"
#include "widgets/rich_text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>

using namespace quintavia;

namespace {

// A frame holding one button per key, as a window's layout would make it.
struct KeypadRig {
    QWidget window;
    QWidget* frame = new QWidget(&window);
    RichTextBox* box = new RichTextBox(&window);
    Keypad* keypad = nullptr;
    QList<KeyId> pressed;
    // A window plays a click on `pressed`, and playing runs pending events once.
    bool eventsRunOnPress = true;

    KeypadRig()
    {
        frame->setObjectName("Frame1");
        for (const KeyDef& key : keyTable()) {
            auto* b = new QToolButton(frame);
            b->setObjectName(QString::fromUtf8(key.name));
        }
        keypad = new Keypad(frame, *box);
        QObject::connect(keypad, &Keypad::pressed, [this](KeyId id) {
            pressed.append(id);
            if (eventsRunOnPress)
                QCoreApplication::processEvents();
        });
        window.show();
    }
    QAbstractButton* button(const char* name) const
    {
        return frame->findChild<QAbstractButton*>(QString::fromUtf8(name));
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void settle() { QCoreApplication::processEvents(); }
    // Size, bold and raise of the character at `position`.
    std::tuple<double, bool, int> formatAt(int position)
    {
        QTextCursor c(box->document());
        c.setPosition(position + 1);
        const QTextCharFormat f = c.charFormat();
        return {f.fontPointSize(), f.fontWeight() == QFont::Bold, raiseOf(f)};
    }
};

// The size the character at `position` of a one-line box is drawn at.
double drawnPoints(const RichTextBox& box, int position)
{
    const QTextBlock line = box.document()->firstBlock();
    for (const QTextLayout::FormatRange& range : line.layout()->formats())
        if (range.start <= position && position < range.start + range.length && range.format.fontPointSize() > 0)
            return range.format.fontPointSize();
    QTextCursor c(box.document());
    c.setPosition(position + 1);
    return c.charFormat().fontPointSize();
}

// Each character followed by its format: ^ the keypad's exponent format, . ordinary, ? neither.
QString shapeOf(const RichTextBox& box)
{
    using F = std::tuple<double, bool, int>;
    QString seen;
    const QString text = box.document()->toPlainText();
    for (int i = 0; i < text.size(); ++i) {
        seen += text.at(i);
        if (text.at(i) == u'\n')
            continue;
        QTextCursor c(box.document());
        c.setPosition(i + 1);
        const QTextCharFormat f = c.charFormat();
        const F got(f.fontPointSize(), f.fontWeight() == QFont::Bold, raiseOf(f));
        seen += got == F(kExponentPoints, true, kExponentRaise) ? u'^' : got == F(12, false, 0) ? u'.' : u'?';
    }
    return seen;
}

}  // namespace

class TestRichTextBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keypadTypesAsTheKeyboard_data();
    void keypadTypesAsTheKeyboard();
    void keyFormats();
    void exponentsEnd_data();
    void exponentsEnd();
    void backspaceAfterExponent();
    void selectionIsFormattedThenReplaced();
    void quickClicksArriveInOrder();
    void everyKeyAnnouncesItsPress();
    void captionsKeepTheirBlanks();
    void copiesCarryExponents_data();
    void copiesCarryExponents();
    void pastesKeepExponents_data();
    void pastesKeepExponents();
    void singleLineNeverTakesALineBreak();
    void singleLineShowsALongLineWhole_data();
    void singleLineShowsALongLineWhole();
    void keyPressSeesCharactersFirst();
    void editedOnlyForTheUsersChanges();
    void geometryKeepsTwips();
};

void TestRichTextBox::keypadTypesAsTheKeyboard_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("digits and signs")
        << QStringList{"Cmd_3", "Cmd_più", "Cmd_2", "Cmd_uguale", "Cmd_5"} << "3+2=5";
    QTest::newRow("x and middle dot as such")
        << QStringList{"Cmd_4", "Cmd_per", "Cmd_2", "cmd_puntino", "Cmd_1"} << "4x2·1";
    QTest::newRow("all brackets") << QStringList{"Cmd_graffa_aperta", "Cmd_quadra_aperta",
                                                 "Cmd_tonda_aperta",  "Cmd_tonda_chiusa",
                                                 "Cmd_quadra_chiusa", "Cmd_graffa_chiusa"}
                                  << "{[()]}";
    QTest::newRow("two-digit exponent in line") << QStringList{"Cmd_2", "cmd_prima", "cmd_alla0"} << "210";
    QTest::newRow("comma, colon, slash, minus")
        << QStringList{"Cmd_1", "Cmd_virgola", "Cmd_5", "Cmd_diviso", "cmd_slash", "Cmd_meno"} << "1,5:/-";
}

void TestRichTextBox::keypadTypesAsTheKeyboard()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    KeypadRig rig;
    for (const QString& key : keys)
        rig.click(key.toUtf8().constData());
    rig.settle();
    QCOMPARE(rig.box->text(), text);
}

void TestRichTextBox::keyFormats()
{
    KeypadRig rig;
    rig.click("Cmd_3");
    rig.click("Cmd_quadrato");
    rig.click("Cmd_3");
    rig.click("cmd_prima");
    rig.click("cmd_alla0");
    rig.settle();
    QCOMPARE(rig.box->text(), QStringLiteral("32310"));
    using F = std::tuple<double, bool, int>;
    QCOMPARE(rig.formatAt(0), F(12, false, 0));
    QCOMPARE(rig.formatAt(1), F(8, true, 85));
    QCOMPARE(rig.formatAt(2), F(12, false, 0));
    QCOMPARE(rig.formatAt(3), F(8, true, 85));
    QCOMPARE(rig.formatAt(4), F(8, true, 85));
}

void TestRichTextBox::exponentsEnd_data()
{
    // Steps: a keypad button by name, "\n" Enter, "\b" Backspace, "paste:" text, else typed text.
    // The shape marks each character: ^ in the keypad's exponent format, . ordinary, ? neither.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shape");
    QTest::newRow("^2 typed") << QStringList{"5^2"} << "5.2^";
    QTest::newRow("² typed") << QStringList{"5²"} << "5.2^";
    QTest::newRow("^ and two digits, then a blank") << QStringList{"5^23 + 1"} << "5.2^3^ .+. .1.";
    QTest::newRow("^ before a blank stays") << QStringList{"2^ 3"} << "2.^. .3.";
    QTest::newRow("superscripts pasted") << QStringList{"paste:3² + 4³"} << "3.2^ .+. .4.3^";
    QTest::newRow("^ pasted") << QStringList{"paste:2^10 x 3"} << "2.1^0^ .x. .3.";
    QTest::newRow("a blank after an exponent key") << QStringList{"Cmd_3", "Cmd_quadrato", " x 2"}
                                                   << "3.2^ .x. .2.";
    QTest::newRow("a digit after an exponent key") << QStringList{"Cmd_1", "Cmd_quadrato", "5"} << "1.2^5^";
    QTest::newRow("a sign after an exponent key") << QStringList{"Cmd_3", "Cmd_cubo", "-1"} << "3.3^-.1.";
    QTest::newRow("a bracket after an exponent key") << QStringList{"Cmd_2", "Cmd_quadrato", "]"} << "2.2^].";
    QTest::newRow("a line break after an exponent key") << QStringList{"Cmd_2", "Cmd_quadrato", "\n", "1"}
                                                        << "2.2^\n1.";
    QTest::newRow("a line emptied by deleting") << QStringList{"Cmd_2", "Cmd_quadrato", "\b", "\b", "4"} << "4.";
    QTest::newRow("a second line emptied by deleting")
        << QStringList{"1", "\n", "Cmd_2", "Cmd_quadrato", "\b", "\b", "4"} << "1.\n4.";
    QTest::newRow("an exponent key after ^2") << QStringList{"3^2", "Cmd_cubo"} << "3.2^3^";
}

void TestRichTextBox::exponentsEnd()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, shape);
    KeypadRig rig;
    for (const QString& step : steps) {
        if (step.startsWith(u"Cmd_") || step.startsWith(u"cmd_")) {
            rig.click(step.toUtf8().constData());
            rig.settle();
        } else if (step == u"\n") {
            QTest::keyClick(rig.box, Qt::Key_Return);
        } else if (step == u"\b") {
            QTest::keyClick(rig.box, Qt::Key_Backspace);
        } else if (step.startsWith(u"paste:")) {
            QApplication::clipboard()->setText(step.mid(6));
            rig.box->paste();
        } else {
            QTest::keyClicks(rig.box, step);
        }
    }
    QCOMPARE(shapeOf(*rig.box), shape);
}

void TestRichTextBox::backspaceAfterExponent()
{
    KeypadRig rig;
    rig.click("Cmd_5");
    rig.click("Cmd_quadrato");
    rig.click("Cmd_backspace");
    rig.settle();
    QCOMPARE(rig.box->text(), QStringLiteral("5"));
    // The insertion point is ordinary again: a typed key comes out plain.
    QTest::keyClicks(rig.box, "1");
    QCOMPARE(rig.formatAt(1), (std::tuple<double, bool, int>(12, false, 0)));
}

void TestRichTextBox::selectionIsFormattedThenReplaced()
{
    KeypadRig rig;
    rig.box->setText("123");
    QTextCursor c = rig.box->textCursor();
    c.setPosition(1);
    c.setPosition(3, QTextCursor::KeepAnchor);
    rig.box->setTextCursor(c);
    rig.click("Cmd_quadrato");
    rig.settle();
    QCOMPARE(rig.box->text(), QStringLiteral("12"));
    QCOMPARE(std::get<2>(rig.formatAt(1)), 85);
    c.select(QTextCursor::Document);
    rig.box->setTextCursor(c);
    rig.click("Cmd_backspace");
    rig.settle();
    QCOMPARE(rig.box->text(), QString());
}

void TestRichTextBox::quickClicksArriveInOrder()
{
    KeypadRig rig;
    rig.eventsRunOnPress
        = false;  // silent, so no sound lets a key in early: both clicks come before either key
    rig.button("Cmd_1")->click();
    rig.button("Cmd_2")->click();
    QCOMPARE(rig.box->text(), QString());
    rig.settle();
    QCOMPARE(rig.box->text(), QStringLiteral("12"));
    // With sounds on, the first key may arrive while the second click plays: still in order.
    rig.eventsRunOnPress = true;
    rig.button("Cmd_3")->click();
    rig.button("Cmd_4")->click();
    rig.settle();
    QCOMPARE(rig.box->text(), QStringLiteral("1234"));
}

void TestRichTextBox::everyKeyAnnouncesItsPress()
{
    KeypadRig rig;
    QList<KeyId> expected;
    for (const KeyDef& key : keyTable()) {
        rig.click(key.name);
        expected.append(key.id);
    }
    rig.settle();
    QCOMPARE(rig.pressed, expected);
    QVERIFY(rig.box->hasFocus());
}

void TestRichTextBox::captionsKeepTheirBlanks()
{
    KeypadRig rig;
    QCOMPARE(keyTable().size(), std::size_t(35));
    QCOMPARE(rig.button("cmd_allasettima")->text(), QStringLiteral(" 7    "));
    QCOMPARE(rig.button("cmd_allanona")->text(), QStringLiteral(" 9   "));
    QCOMPARE(rig.button("Cmd_più")->text(), QStringLiteral("+"));
    QCOMPARE(rig.button("Cmd_più")->accessibleName(), QStringLiteral("più"));
}

void TestRichTextBox::copiesCarryExponents_data()
{
    // What is typed ("^" before raised digits), the selection (from, to; -1 to the end) and the
    // clipboard's plain text; its rich text must read back the same.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("plain");
    QTest::newRow("a whole line") << "45 : {8 - [2^0 + (10^2 - 96) : 2]}" << 0 << -1
                                  << "45 : {8 - [2⁰ + (10² - 96) : 2]}";
    QTest::newRow("only the selection") << "2^0 + 10^2 - 3" << 5 << 8 << "10²";
    QTest::newRow("an exponent cut in two") << "2^10 + 1" << 2 << 5 << "⁰ +";
    QTest::newRow("two lines") << "3^2 + 1\n= 9 + 1" << 0 << -1 << "3² + 1\n= 9 + 1";
    QTest::newRow("nothing raised") << "(7 - 2) x 4" << 0 << -1 << "(7 - 2) x 4";
}

void TestRichTextBox::copiesCarryExponents()
{
    QFETCH(QString, typed);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, plain);
    RichTextBox box;
    for (const QString& line : typed.split(u'\n')) {
        if (!box.document()->isEmpty())
            QTest::keyClick(&box, Qt::Key_Return);
        QTest::keyClicks(&box, line);
    }
    QTextCursor c(box.document());
    c.setPosition(from);
    c.setPosition(to < 0 ? box.document()->characterCount() - 1 : to, QTextCursor::KeepAnchor);
    box.setTextCursor(c);
    QApplication::clipboard()->clear();
    box.copy();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(), plain);
    QVERIFY(copied->hasHtml());
    QTextDocument rich;
    rich.setHtml(copied->html());
    QCOMPARE(plainTextWithSuperscripts(rich), plain);
    // A word processor sees superscript, not a raise it does not know.
    QCOMPARE(copied->html().contains(QStringLiteral("vertical-align:super")), plain.contains(QRegularExpression("[⁰¹²³⁴⁵⁶⁷⁸⁹]")));
}

void TestRichTextBox::pastesKeepExponents_data()
{
    // What the clipboard holds (rich text, plain text), and the shape the box gets (see shapeOf).
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("singleLine");
    QTest::addColumn<QString>("shape");
    QTest::newRow("<sup>") << "<p>3<sup>2</sup> + 1</p>" << "32 + 1" << false << "3.2^ .+. .1.";
    QTest::newRow("vertical-align:super")
        << "<p>10<span style=\"vertical-align:super\">2</span>-1</p>" << "102-1" << false << "1.0.2^-.1.";
    QTest::newRow("word processor's fixed blanks and two lines")
        << "<html><body><p>2<sup>0</sup>&nbsp;+&nbsp;1</p><p>=&nbsp;2</p></body></html>" << "" << false
        << "2.0^ .+. .1.\n=. .2.";
    QTest::newRow("two lines into one line") << "<p>4<sup>2</sup></p><p>5</p>" << "" << true << "4.2^5.";
    QTest::newRow("superscript digits") << "" << "2⁰ + 10²" << false << "2.0^ .+. .1.0.2^";
    QTest::newRow("a digit after superscripts") << "" << "10²5" << false << "1.0.2^5.";
    QTest::newRow("^ and digits") << "" << "2^0 + 10^23" << false << "2.0^ .+. .1.0.2^3^";
    QTest::newRow("^ in rich text") << "<p>5^2</p>" << "" << false << "5.2^";
    QTest::newRow("plain text with its lines") << "" << "3 + 1\r\n= 4" << false << "3. .+. .1.\n=. .4.";
}

void TestRichTextBox::pastesKeepExponents()
{
    QFETCH(QString, html);
    QFETCH(QString, text);
    QFETCH(bool, singleLine);
    QFETCH(QString, shape);
    auto* data = new QMimeData;
    if (!html.isEmpty())
        data->setHtml(html);
    if (!text.isEmpty())
        data->setText(text);
    QApplication::clipboard()->setMimeData(data);
    RichTextBox box;
    box.setSingleLine(singleLine);
    box.paste();
    QCOMPARE(shapeOf(box), shape);
}

void TestRichTextBox::singleLineNeverTakesALineBreak()
{
    RichTextBox box;
    box.setSingleLine(true);
    box.show();
    QTest::keyClicks(&box, "3+2");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Enter);
    QApplication::clipboard()->setText("\r\n5\r\n");
    box.paste();
    QCOMPARE(box.text(), QStringLiteral("3+25"));
    RichTextBox multi;
    QTest::keyClicks(&multi, "A");
    QTest::keyClick(&multi, Qt::Key_Return);
    QTest::keyClicks(&multi, "B");
    QCOMPARE(multi.text(), QStringLiteral("A\r\nB"));
}

void TestRichTextBox::singleLineShowsALongLineWhole_data()
{
    // How the line comes in, the line, and how it is drawn: at the ordinary size, smaller, or
    // wrapped at the smallest readable size.
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("drawn");
    QString sum = QStringLiteral("= 1");
    for (int i = 0; i < 19; ++i)
        sum += QStringLiteral(" + 1");
    QTest::newRow("short, typed") << "typed" << "= 3 + 12" << "ordinary";
    QTest::newRow("short with an exponent, typed") << "typed" << "= 2^3 + 1" << "ordinary";
    QTest::newRow("79 characters, typed") << "typed" << sum << "smaller";
    QTest::newRow("79 characters with exponents, pasted") << "pasted" << sum + QStringLiteral(" + 10²") << "smaller";
    QTest::newRow("79 characters, keypad") << "keypad" << sum << "smaller";
    QTest::newRow("159 characters, typed") << "typed" << sum + QString(sum).replace(u'=', u'+') << "wrapped";
    QTest::newRow("159 characters, pasted") << "pasted" << sum + QString(sum).replace(u'=', u'+') << "wrapped";
}

void TestRichTextBox::singleLineShowsALongLineWhole()
{
    QFETCH(QString, how);
    QFETCH(QString, line);
    QFETCH(QString, drawn);
    KeypadRig rig;
    RichTextBox& box = *rig.box;
    box.setSingleLine(true);
    box.setGeometry(0, 0, 449, 31);  // the solver's answer box
    if (how == QLatin1String("typed")) {
        QTest::keyClicks(&box, line);
    } else if (how == QLatin1String("pasted")) {
        QApplication::clipboard()->setText(line);
        box.paste();
    } else {
        for (QChar c : line) {
            const char* key = c == u'=' ? "Cmd_uguale" : c == u'+' ? "Cmd_più" : c == u'1' ? "Cmd_1" : nullptr;
            if (key)
                rig.click(key);
            else
                QTest::keyClick(&box, Qt::Key_Space);
        }
        rig.settle();
    }
    QCOMPARE(box.document()->toPlainText().remove(u' '),
             QString(line).replace(QStringLiteral("^"), QString()).replace(QStringLiteral("²"), QStringLiteral("2")).remove(u' '));
    const double points = drawnPoints(box, 0);
    const QTextLayout* layout = box.document()->firstBlock().layout();
    if (drawn == QLatin1String("ordinary"))
        QCOMPARE(points, 12.0);
    else if (drawn == QLatin1String("smaller"))
        QVERIFY2(points >= 9 && points < 12, qPrintable(QString::number(points)));
    else
        QCOMPARE(points, 9.0);
    for (int i = 0; i < box.document()->characterCount() - 1; ++i) {
        // Drawn smaller alike, exponents still raised; the line itself keeps the sizes typed.
        const auto [typed, bold, raise] = rig.formatAt(i);
        QCOMPARE(typed, raise > 0 ? double(kExponentPoints) : double(kOrdinaryPoints));
        QCOMPARE(drawnPoints(box, i), points * typed / kOrdinaryPoints);
    }
    QCOMPARE(layout->lineCount() > 1, drawn == QLatin1String("wrapped"));
    QCOMPARE(box.wantedHeight() > box.height(), drawn == QLatin1String("wrapped"));
    for (int i = 0; i < layout->lineCount(); ++i)
        QVERIFY(layout->lineAt(i).naturalTextWidth() <= box.viewport()->width());
    QVERIFY(box.viewport()->rect().contains(box.cursorRect()));
    // Undo takes the line back, Redo gives it back drawn as before.
    for (int i = 0; i < 400 && !box.document()->isEmpty(); ++i)
        box.undo();
    QVERIFY(box.document()->isEmpty());
    while (box.document()->isRedoAvailable())
        box.redo();
    QCOMPARE(drawnPoints(box, 0), points);
    // Erased, a short line is drawn at the ordinary size again.
    box.selectAll();
    QTest::keyClicks(&box, "= 4");
    QCOMPARE(drawnPoints(box, 0), 12.0);
    QCOMPARE(layout->lineCount(), 1);
}

void TestRichTextBox::keyPressSeesCharactersFirst()
{
    RichTextBox box;
    QList<std::pair<int, QString>> seen;
    connect(&box, &RichTextBox::keyPress, &box, [&](int& code) { seen.append({code, box.text()}); });
    QTest::keyClicks(&box, "a");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Left);  // not a character
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0], (std::pair<int, QString>('a', QString())));
    QCOMPARE(seen[1], (std::pair<int, QString>(13, QStringLiteral("a"))));
}

void TestRichTextBox::editedOnlyForTheUsersChanges()
{
    RichTextBox box;
    int edits = 0;
    connect(&box, &RichTextBox::edited, &box, [&] { ++edits; });
    box.setText("3+2");
    box.clearAll();
    QCOMPARE(edits, 0);
    QTest::keyClicks(&box, "7");
    QCOMPARE(edits, 1);
}

void TestRichTextBox::geometryKeepsTwips()
{
    RichTextBox box;
    box.setTwipsGeometry(120, 720, 6735, 465);
    box.setHeightInches(0.32);
    QCOMPARE(box.heightTwips(), 461);
    for (int i = 0; i < 3; ++i)
        box.setHeightInches(box.heightInches() + 0.24);
    QCOMPARE(box.heightTwips(), 461 + 3 * 346);
    QCOMPARE(box.height(), (461 + 3 * 346 + 7) / 15);
    box.setTopInches(0.5);
    QCOMPARE(box.y(), 48);
}

QUINTAVIA_TEST_MAIN(TestRichTextBox)
#include "tst_rich_text_box.moc"
