#include "document/keypad.h"

#include "document/rich_text_box.h"
#include "shell/sound_player.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

namespace quintavia {

namespace {

constexpr KeyFormat O = KeyFormat::Ordinary;
constexpr KeyFormat E = KeyFormat::Exponent;

const KeyDef kKeys[] = {
    {"Cmd_0", "0", u'0', O, "zero"},
    {"Cmd_1", "1", u'1', O, "uno"},
    {"Cmd_2", "2", u'2', O, "due"},
    {"Cmd_3", "3", u'3', O, "tre"},
    {"Cmd_4", "4", u'4', O, "quattro"},
    {"Cmd_5", "5", u'5', O, "cinque"},
    {"Cmd_6", "6", u'6', O, "sei"},
    {"Cmd_7", "7", u'7', O, "sette"},
    {"Cmd_8", "8", u'8', O, "otto"},
    {"Cmd_9", "9", u'9', O, "nove"},
    {"Cmd_più", "+", u'+', O, "più"},
    {"Cmd_meno", "-", u'-', O, "meno"},
    {"Cmd_per", "x", u'x', O, "per"},
    {"cmd_puntino", "·", u'\u00B7', O, "punto"},
    {"Cmd_diviso", ":", u':', O, "diviso"},
    {"cmd_slash", "/", u'/', O, "linea di frazione"},
    {"Cmd_uguale", "=", u'=', O, "uguale"},
    {"Cmd_virgola", ",", u',', O, "virgola"},
    {"Cmd_tonda_aperta", "(", u'(', O, "apri parentesi tonda"},
    {"Cmd_tonda_chiusa", ")", u')', O, "chiudi parentesi tonda"},
    {"Cmd_quadra_aperta", "[", u'[', O, "apri parentesi quadra"},
    {"Cmd_quadra_chiusa", "]", u']', O, "chiudi parentesi quadra"},
    {"Cmd_graffa_aperta", "{", u'{', O, "apri parentesi graffa"},
    {"Cmd_graffa_chiusa", "}", u'}', O, "chiudi parentesi graffa"},
    {"cmd_prima", " 1   ", u'1', E, "esponente 1"},
    {"Cmd_quadrato", " 2   ", u'2', E, "esponente 2"},
    {"Cmd_cubo", " 3   ", u'3', E, "esponente 3"},
    {"cmd_allaquarta", " 4   ", u'4', E, "esponente 4"},
    {"cmd_allaquinta", " 5   ", u'5', E, "esponente 5"},
    {"cmd_allasesta", " 6   ", u'6', E, "esponente 6"},
    {"cmd_allasettima", " 7    ", u'7', E, "esponente 7"},
    {"cmd_allaottava", " 8    ", u'8', E, "esponente 8"},
    {"cmd_allanona", " 9   ", u'9', E, "esponente 9"},
    {"cmd_alla0", " 0   ", u'0', E, "esponente 0"},
    {"Cmd_backspace", "", 0, O, "cancella"},
};

// The key event a typed character or Backspace produces.
QKeyEvent* keyEventFor(const KeyDef& key)
{
    if (key.character == 0)
        return new QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    const QChar c(key.character);
    int code = c.unicode();
    if (c.isLetter())
        code = c.toUpper().unicode();  // Qt's key codes for letters are the capitals
    return new QKeyEvent(QEvent::KeyPress, code, Qt::NoModifier, QString(c));
}

}  // namespace

std::span<const KeyDef> keyTable()
{
    return kKeys;
}

void formatoBase(RichTextBox& box)
{
    box.setSelFontSize(12);
    box.setSelBold(false);
    box.setSelCharOffset(0);
}

void formatoApice(RichTextBox& box)
{
    box.setSelFontSize(8);
    box.setSelBold(true);
    box.setSelCharOffset(85);
}

Keypad::Keypad(QWidget* frame, RichTextBox& box, SoundPlayer& sound)
    : QObject(frame), m_frame(frame), m_box(&box), m_sound(sound)
{
    for (const KeyDef& key : kKeys) {
        QAbstractButton* b = button(key.name);
        if (!b)
            continue;
        b->setText(QString::fromUtf8(key.caption));
        b->setAccessibleName(QString::fromUtf8(key.accessibleName));
        connect(b, &QAbstractButton::clicked, this, [this, &key] { press(key); });
    }
}

QAbstractButton* Keypad::button(const char* name) const
{
    return m_frame->findChild<QAbstractButton*>(QString::fromUtf8(name));
}

void Keypad::press(const KeyDef& key)
{
    m_sound.suona(102);
    if (!m_box)
        return;
    m_box->setFocus(Qt::OtherFocusReason);
    if (key.format == KeyFormat::Exponent)
        formatoApice(*m_box);
    else
        formatoBase(*m_box);
    // Queued behind any input already waiting, so keys arrive in click order after this returns.
    QCoreApplication::postEvent(m_box, keyEventFor(key));
}

}  // namespace quintavia
