// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt_dialogs.h"

#include "shell/folder_memory.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace quintavia {

namespace {

// Sizes, kinds and dates as an Italian reads them, whatever the system's language: Qt's file list
// writes them in the system's locale, and its kinds ("Folder") have no Italian of their own.
class ItalianFileColumns final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || index.column() < 1 || index.column() > 3)
            return QIdentityProxyModel::data(index, role);
        const QFileInfo info = files->fileInfo(mapToSource(index));
        const QLocale italian(QLocale::Italian, QLocale::Italy);
        if (index.column() == 2)
            return info.isDir() ? QStringLiteral("Cartella")
                                : QStringLiteral("File %1").arg(info.suffix().toUpper()).trimmed();
        if (index.column() == 3)
            return italian.toString(info.lastModified(), QLocale::ShortFormat);
        if (info.isDir())
            return QIdentityProxyModel::data(index, role);
        return italian.formattedDataSize(info.size(), 1, QLocale::DataSizeTraditionalFormat);
    }
};

// Gives the collection's entry in the sidebar its own name; the sidebar renames its entries after
// their folders whenever the folder changes, so the name is given again then.
void nameCollectionEntry(QFileDialog& dialog, const QUrl& collection)
{
    auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    if (!sidebar || !sidebar->model())
        return;
    QAbstractItemModel* model = sidebar->model();
    const auto rename = [model, collection] {
        const QString name = QStringLiteral("Esercizi di Quintavia");
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, 0);
            if (index.data(Qt::UserRole + 1).toUrl() == collection && index.data().toString() != name)
                model->setData(index, name);
        }
    };
    rename();
    QObject::connect(model, &QAbstractItemModel::dataChanged, &dialog, rename);
}

std::optional<QString> runFileDialog(QWidget* parent, const QString& filter, const QString& current,
                                     const QString& folder, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(toQtFilter(filter));
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setProxyModel(new ItalianFileColumns(&dialog));
    dialog.setViewMode(QFileDialog::Detail);
    if (!current.isEmpty())
        dialog.selectFile(current);
    else
        dialog.setDirectory(folder);

    QList<QUrl> places{QUrl::fromLocalFile(QDir::homePath())};
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists() && documents != QDir::homePath())
        places << QUrl::fromLocalFile(documents);
    const QString collection = collectionFolder();
    if (!collection.isEmpty())
        places << QUrl::fromLocalFile(collection);
    places << QUrl::fromLocalFile(QDir::rootPath());
    dialog.setSidebarUrls(places);
    if (!collection.isEmpty())
        nameCollectionEntry(dialog, QUrl::fromLocalFile(collection));

    // Wide enough that names, sizes and dates are read whole.
    dialog.resize(860, 520);
    if (auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        const QFontMetrics metrics(list->font());
        list->header()->setMinimumSectionSize(metrics.horizontalAdvance(QStringLiteral("000,0 KB")) + 24);
        list->header()->resizeSection(0, 360);
        list->header()->resizeSection(3, metrics.horizontalAdvance(QStringLiteral("00/00/00, 00:00")) + 32);
    }
    // The side bar wide enough for "Esercizi di Quintavia".
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter")))
        splitter->setSizes({QFontMetrics(splitter->font()).horizontalAdvance(QStringLiteral("Esercizi di Quintavia")) + 56,
                            dialog.width()});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> QtDialogs::openFile(QWidget* parent, const QString& filter, const QString& current,
                                           const QString& folder)
{
    return runFileDialog(parent, filter, current, folder, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFile(QWidget* parent, const QString& filter, const QString& current,
                                           const QString& folder)
{
    // QFileDialog asks before overwriting an existing file unless told otherwise.
    return runFileDialog(parent, filter, current, folder, QFileDialog::AcceptSave);
}

std::optional<QColor> QtDialogs::chooseColor(QWidget* parent, const QColor& current)
{
    const QColor chosen = QColorDialog::getColor(current, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QString> QtDialogs::chooseFolder(QWidget* parent, const QString& title, const QString& current)
{
    const QString folder = QFileDialog::getExistingDirectory(
        parent, title, current.isEmpty() ? QDir::homePath() : current,
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    return folder.isEmpty() ? std::nullopt : std::optional<QString>(folder);
}

std::optional<QString> QtDialogs::askName(QWidget* parent, const QString& title, const QString& question,
                                          const QStringList& names)
{
    // An editable list: the names already there, or a new one typed over the first.
    bool ok = false;
    const QString name = QInputDialog::getItem(parent, title, question, names.isEmpty() ? QStringList{QString()} : names,
                                               0, true, &ok);
    return ok ? std::optional<QString>(name) : std::nullopt;
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
    // The side bar wide enough for "Esercizi di Quintavia".
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter")))
        splitter->setSizes({QFontMetrics(splitter->font()).horizontalAdvance(QStringLiteral("Esercizi di Quintavia")) + 56,
                            dialog.width()});
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return PrintChoice{withKey->isChecked()};
}

}  // namespace quintavia
