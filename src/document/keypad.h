#pragma once
#include <QObject>
#include <QPointer>

#include <span>

class QAbstractButton;
class QWidget;

namespace quintavia {

class RichTextBox;
class SoundPlayer;

enum class KeyFormat { Ordinary, Exponent };

// One key of the on-screen keypad.
struct KeyDef {
    const char* name;            // objectName of the button, UTF-8 ("Cmd_più")
    const char* caption;         // exact caption, UTF-8 (blanks count); "" for picture keys
    char16_t character;          // what arrives in the box; 0 for Backspace
    KeyFormat format;
    const char* accessibleName;  // what a screen reader says, Italian
};

// The 35 keys, the same in both working windows.
std::span<const KeyDef> keyTable();

// The two insertion formats, set on the box's selection or insertion point.
void formatoBase(RichTextBox& box);   // 12 pt, not bold, not raised
void formatoApice(RichTextBox& box);  // 8 pt, bold, raised 85 twips

// Wires the keypad buttons found by objectName under `frame` to `box`. Each click plays sound 102,
// gives the box the focus, sets the key's format and then delivers the key to the box queued (after
// the click handler has returned, in click order), exactly as if it had been typed.
class Keypad : public QObject {
    Q_OBJECT

public:
    Keypad(QWidget* frame, RichTextBox& box, SoundPlayer& sound);

    // The button of a key, or nullptr when the frame has none by that name.
    QAbstractButton* button(const char* name) const;

private:
    void press(const KeyDef& key);

    QWidget* m_frame;
    QPointer<RichTextBox> m_box;
    SoundPlayer& m_sound;
};

}  // namespace quintavia
