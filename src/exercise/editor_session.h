// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "arithmetic/limits.h"

#include <QString>

#include <cstddef>

namespace quintavia {

// Where the editor's document stands.
enum class EditorState {
    Idle,     // just loaded: no document, only Nuova, Modifica and Esci respond
    Writing,  // a document started or opened, with work not saved yet
    Saved,    // the document as it is now has been saved
};

// The editor's unsaved-work bookkeeping. Every change after a save makes the work unsaved again,
// so nothing typed can be lost by leaving, starting a new document or opening another one.
class EditorSession {
public:
    EditorState state() const { return m_state; }

    // Asked before the window lets go of the document.
    bool unsaved() const { return m_state == EditorState::Writing; }
    // Keypad, Invio, document box, Colore and Salva respond only while a document is open.
    bool documentOpen() const { return m_state != EditorState::Idle; }

    void started() { m_state = EditorState::Writing; }  // Nuova
    void opened() { m_state = EditorState::Writing; }   // Modifica, once the file is read
    void saved() { m_state = EditorState::Saved; }
    // Typing, keypad, Invio, a colour: ignored while no document is open.
    void changed()
    {
        if (m_state == EditorState::Saved)
            m_state = EditorState::Writing;
    }

private:
    EditorState m_state = EditorState::Idle;
};

// The name a document is written under: the solver only offers ".rtf" files, so a name that does
// not end in ".rtf" gets it (a trailing dot is dropped first, as the file system would).
QString exerciseFileName(const QString& chosen);

enum class ConfirmDecision { LineBreak, Refuse };

// The Invio button's decision for a document of `lines` lines (an empty document is one line): a
// line is added only while there are fewer than arithmetic::kMaxExerciseLines.
ConfirmDecision decideConfirm(std::size_t lines);

}  // namespace quintavia
