// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace quintavia {

// What the print dialog chose beyond the printer's own settings.
struct PrintChoice {
    bool withKey = false;  // the solution key too, on pages of its own
};

// How a question was answered. Cancel is neither button: Esc, or the question's own close box. It
// means "wait", so whatever the question guards is left as it was.
enum class Answer { Yes, No, Cancel };

// The platform's modal dialogs. The real implementation uses Qt's dialogs; tests script a fake.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // `filter` is in the "description|pattern" notation, e.g. "file .rtf (Rich Text Format)|*.rtf".
    // The dialog proposes `current` when it names a file, else starts in `folder`; the installed
    // collection of exercises is one click away in both. Each returns the chosen path, or nothing
    // when the dialog is cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const QString& filter, const QString& current,
                                            const QString& folder)
        = 0;
    // Asks before an existing file is overwritten.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& filter, const QString& current,
                                            const QString& folder)
        = 0;
    // Opens on `current`; returns nothing when cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& current) = 0;
    // A folder, starting in `current`; nothing when cancelled.
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& title, const QString& current) = 0;
    // A name picked from `names` or typed anew; nothing when cancelled.
    virtual std::optional<QString> askName(QWidget* parent, const QString& title, const QString& question,
                                           const QStringList& names)
        = 0;

    // A question with Yes and No and the question icon.
    virtual Answer askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // A warning with the warning icon and OK only.
    virtual void warn(QWidget* parent, const QString& title, const QString& text) = 0;

    // The system print dialog, which sets up `printer` (a printer or a PDF file) and offers the
    // solution key; nothing when cancelled.
    virtual std::optional<PrintChoice> choosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

// Turns "description|pattern|description|pattern" into Qt's "description (pattern);;..." form.
QString toQtFilter(const QString& filter);

}  // namespace quintavia
