// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_file.h"

#include "document/rtf_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextBlock>

namespace quintavia {

namespace {

rtf::ReadResult failure(const QString& reason)
{
    rtf::ReadResult result;
    result.error = reason;
    return result;
}

}  // namespace

rtf::ReadResult readDocumentFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failure(QStringLiteral("Il file non esiste."));
    if (info.isDir())
        return failure(QStringLiteral("Il percorso indicato è una cartella, non un file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("Impossibile leggere il file."));
    const QString tooBig = QStringLiteral("Il file è troppo grande (più di 16 MiB).");
    if (file.size() > rtf::kMaxFileSize)
        return failure(tooBig);
    // Read in pieces up to one byte past the limit: the size reported for special files cannot be
    // trusted, and a buffer of the whole limit would be wasted on every small file.
    QByteArray bytes;
    bytes.reserve(file.size() + 1);
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0)
            return failure(QStringLiteral("Impossibile leggere il file."));
        if (got == 0)
            break;
        bytes.append(chunk, got);
        if (bytes.size() > rtf::kMaxFileSize)
            return failure(tooBig);
    }
    return rtf::read(bytes);
}

bool writeDocumentFile(const QString& path, const QTextDocument& document, QString* error)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QByteArray bytes = rtf::write(document);
    // The new content goes to a temporary file next to the target and replaces it only when
    // complete, so a failed save leaves the old document as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Impossibile creare il file: controlla la cartella e i permessi."));
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return fail(QStringLiteral("Impossibile scrivere il file: il disco potrebbe essere pieno."));
    }
    if (!file.commit())
        return fail(QStringLiteral("Impossibile completare il salvataggio del file."));
    return true;
}

QString plainText(const QTextDocument& document)
{
    QString text;
    text.reserve(document.characterCount() + document.blockCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text.append(QLatin1String("\r\n"));
        QString line = block.text();
        line.replace(QChar::LineSeparator, QLatin1String("\r\n"));
        line.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
        text.append(line);
    }
    return text;
}

}  // namespace quintavia
