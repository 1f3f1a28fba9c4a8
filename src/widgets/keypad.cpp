// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/keypad.h"

#include "document/char_format.h"
#include "widgets/rich_text_box.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

namespace quintavia {

namespace {

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

void applyOrdinaryFormat(RichTextBox& box)
{
    box.setSelFontSize(12);
    box.setSelBold(false);
    box.setSelCharOffset(0);
}

void applyExponentFormat(RichTextBox& box)
{
    box.setSelFontSize(kExponentPoints);
    box.setSelBold(true);
    box.setSelCharOffset(kExponentRaise);
}

Keypad::Keypad(QWidget* frame, RichTextBox& box) : QObject(frame), m_box(&box)
{
    for (const KeyDef& key : keyTable()) {
        auto* b = frame->findChild<QAbstractButton*>(QString::fromUtf8(key.name));
        if (!b)
            continue;
        m_buttons.insert(key.id, b);
        b->setText(QString::fromUtf8(key.caption));
        b->setAccessibleName(QString::fromUtf8(key.accessibleName));
        b->setToolTip(QString::fromUtf8(key.toolTip));
        b->setAccessibleDescription(b->toolTip());
        connect(b, &QAbstractButton::clicked, this, [this, &key] { press(key); });
    }
}

void Keypad::press(const KeyDef& key)
{
    const QPointer<Keypad> self(this);
    Q_EMIT pressed(key.id);
    if (!self || !m_box)
        return;
    m_box->setFocus(Qt::OtherFocusReason);
    if (key.format == KeyFormat::Exponent)
        applyExponentFormat(*m_box);
    else
        applyOrdinaryFormat(*m_box);
    // Queued behind any input already waiting, so keys arrive in click order after this returns.
    QCoreApplication::postEvent(m_box, keyEventFor(key));
}

}  // namespace quintavia
