// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "widgets/keypad_keys.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;

namespace quintavia {

class RichTextBox;

// The two insertion formats, set on the box's selection or insertion point.
void applyOrdinaryFormat(RichTextBox& box);  // 12 pt, not bold, not raised
void applyExponentFormat(RichTextBox& box);  // 8 pt, bold, raised 85 twips

// Wires the keypad buttons found by objectName under `frame` to `box`. A click first emits
// `pressed` (the window plays its click there), then gives the box the focus, sets the key's format
// and delivers the key to the box queued (after the click handler has returned, in click order),
// exactly as if it had been typed.
class Keypad : public QObject {
    Q_OBJECT

public:
    Keypad(QWidget* frame, RichTextBox& box);

    // The button of a key, or nullptr when the frame has none.
    QAbstractButton* button(KeyId id) const { return m_buttons.value(id); }

Q_SIGNALS:
    void pressed(quintavia::KeyId id);

private:
    void press(const KeyDef& key);

    QHash<KeyId, QAbstractButton*> m_buttons;
    QPointer<RichTextBox> m_box;
};

}  // namespace quintavia
