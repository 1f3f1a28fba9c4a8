// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/dialogs.h"

#include <QList>
#include <QPrinter>
#include <QStringList>

#include <deque>
#include <variant>

namespace quintavia::test {

// Dialogs whose answers a test gives in advance. Every dialog shown is logged; a dialog that was
// not scripted is logged in `unexpected` and answered with Cancel (a question: No).
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind;   // "open", "save", "color", "folder", "name", "question", "warning", "print"
        QString title;  // message boxes: the title; file dialogs: the filter
        QString text;   // message boxes: the text; file dialogs: the proposed file name
        QString folder; // file dialogs: the folder they start in
    };

    // Answers, consumed in order. An empty optional means Cancel.
    void answerOpen(std::optional<QString> path)
    {
        m_answers.push_back(Scripted{"open", path, {}, false, {}});
    }
    void answerSave(std::optional<QString> path)
    {
        m_answers.push_back(Scripted{"save", path, {}, false, {}});
    }
    void answerColor(std::optional<QColor> color)
    {
        m_answers.push_back(Scripted{"color", {}, color, false, {}});
    }
    void answerFolder(std::optional<QString> folder)
    {
        m_answers.push_back(Scripted{"folder", folder, {}, false, {}});
    }
    // The name typed or picked (nothing: Cancel); the names offered are kept in `namesOffered`.
    void answerName(std::optional<QString> name)
    {
        m_answers.push_back(Scripted{"name", name, {}, false, {}});
    }
    void answerQuestion(quintavia::Answer answer)
    {
        m_answers.push_back(Scripted{"question", {}, {}, false, answer});
    }
    void answerQuestion(bool yes) { answerQuestion(yes ? quintavia::Answer::Yes : quintavia::Answer::No); }
    void answerWarning() { m_answers.push_back(Scripted{"warning", {}, {}, false, {}}); }
    // Prints to the PDF file `pdf` (nothing: Cancel), with the key or without.
    void answerPrint(std::optional<QString> pdf, bool withKey = false)
    {
        m_answers.push_back(Scripted{"print", pdf, {}, withKey, {}});
    }

    std::optional<QString> openFile(QWidget*, const QString& filter, const QString& current,
                                    const QString& folder) override
    {
        return take("open", filter, current, folder) ? m_last.path : std::nullopt;
    }
    std::optional<QString> saveFile(QWidget*, const QString& filter, const QString& current,
                                    const QString& folder) override
    {
        return take("save", filter, current, folder) ? m_last.path : std::nullopt;
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor& current) override
    {
        lastColorShown = current;
        return take("color", QString(), current.name()) ? m_last.color : std::nullopt;
    }
    std::optional<QString> chooseFolder(QWidget*, const QString& title, const QString& current) override
    {
        return take("folder", title, current) ? m_last.path : std::nullopt;
    }
    std::optional<QString> askName(QWidget*, const QString& title, const QString& question,
                                   const QStringList& names) override
    {
        namesOffered = names;
        return take("name", title, question) ? m_last.path : std::nullopt;
    }
    quintavia::Answer askYesNo(QWidget*, const QString& title, const QString& text) override
    {
        return take("question", title, text) ? m_last.answer : quintavia::Answer::No;
    }
    void warn(QWidget*, const QString& title, const QString& text) override { take("warning", title, text); }

    std::optional<PrintChoice> choosePrinter(QWidget*, QPrinter& printer) override
    {
        if (!take("print", printer.docName(), QString()) || !m_last.path)
            return std::nullopt;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*m_last.path);
        return PrintChoice{m_last.withKey};
    }

    bool allAnswered() const { return m_answers.empty(); }

    QList<Shown> shown;
    QStringList unexpected;
    // The text of the last dialog shown when it is a warning ("Avviso"), else a note saying what it was.
    QString lastWarning() const
    {
        if (shown.isEmpty())
            return QStringLiteral("(no dialog)");
        const Shown& last = shown.last();
        return last.kind == u"warning" && last.title == u"Avviso" ? last.text
                                                                 : QStringLiteral("(%1: %2)").arg(last.kind, last.title);
    }
    // Each file dialog's folder to start in, in order.
    QStringList startFolders() const
    {
        QStringList folders;
        for (const Shown& dialog : shown)
            if (dialog.kind == u"open" || dialog.kind == u"save")
                folders << dialog.folder;
        return folders;
    }
    QColor lastColorShown;
    QStringList namesOffered;

private:
    struct Scripted {
        QString kind;
        std::optional<QString> path;
        std::optional<QColor> color;
        bool withKey;
        quintavia::Answer answer;
    };

    // Logs the dialog and moves its scripted answer to m_last; false when none was scripted.
    bool take(const QString& kind, const QString& title, const QString& text, const QString& folder = {})
    {
        shown.append({kind, title, text, folder});
        if (m_answers.empty() || m_answers.front().kind != kind) {
            unexpected.append(kind + QStringLiteral(": ") + title + QStringLiteral(" / ") + text);
            return false;
        }
        m_last = m_answers.front();
        m_answers.pop_front();
        return true;
    }

    std::deque<Scripted> m_answers;
    Scripted m_last{};
};

}  // namespace quintavia::test
