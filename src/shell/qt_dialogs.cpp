// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt_dialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace quintavia {

namespace {

std::optional<QString> runFileDialog(QWidget* parent, const QString& filter, const QString& current,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(toQtFilter(filter));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!current.isEmpty()) {
        dialog.selectFile(current);
    } else {
        // The program's own folder is no place for exercises on a desktop where programs live in
        // read-only system folders: start where a person keeps documents.
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        dialog.setDirectory(folder);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> QtDialogs::openFile(QWidget* parent, const QString& filter, const QString& current)
{
    return runFileDialog(parent, filter, current, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFile(QWidget* parent, const QString& filter, const QString& current)
{
    // QFileDialog asks before overwriting an existing file unless told otherwise.
    return runFileDialog(parent, filter, current, QFileDialog::AcceptSave);
}

std::optional<QColor> QtDialogs::chooseColor(QWidget* parent, const QColor& current)
{
    const QColor chosen = QColorDialog::getColor(current, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

Answer QtDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    // Left to itself, QMessageBox makes No the answer of Esc and of its close box. Those mean
    // "wait": they press a Cancel button that is never shown.
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->hide();
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes))
        return Answer::Yes;
    if (box.clickedButton() == box.button(QMessageBox::No))
        return Answer::No;
    return Answer::Cancel;
}

void QtDialogs::warn(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

std::optional<PrintChoice> QtDialogs::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    // The key is the teacher's, the sheet the class's: a tab of its own, off unless chosen.
    auto* keyTab = new QWidget;
    keyTab->setWindowTitle(QStringLiteral("Soluzioni"));
    auto* withKey = new QCheckBox(QStringLiteral("Aggiungi le soluzioni su pagine a parte"), keyTab);
    auto* layout = new QVBoxLayout(keyTab);
    layout->addWidget(withKey);
    layout->addStretch();
    dialog.setOptionTabs({keyTab});
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return PrintChoice{withKey->isChecked()};
}

}  // namespace quintavia
