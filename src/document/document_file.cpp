// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_file.h"

#include "document/rtf_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextBlock>

#include <cerrno>
#include <unistd.h>

namespace quintavia {

QString fileErrorCause(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("spazio esaurito sul disco");
    case EIO: return QStringLiteral("errore di lettura/scrittura del dispositivo");
    case EACCES:
    case EPERM: return QStringLiteral("permesso negato");
    case EROFS: return QStringLiteral("il disco è protetto dalla scrittura");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("la cartella non esiste");
    case EISDIR: return QStringLiteral("con quel nome c'è già una cartella");
    case ENAMETOOLONG: return QStringLiteral("il nome è troppo lungo");
    case EMFILE:
    case ENFILE: return QStringLiteral("troppi file aperti");
    default: return QString();
    }
}

namespace {

// Runs one call of QSaveFile and returns whether it succeeded; on failure `error` holds the errno
// the system set during it, 0 when Qt refused without asking the system.
template <typename Call> bool attempt(Call call, int& error)
{
    errno = 0;
    const bool ok = call();
    error = ok ? 0 : errno;
    return ok;
}

// "what failed: why", or "what failed" and `otherwise` when the cause is unknown.
QString saveFailure(const QString& what, int error, const QString& otherwise)
{
    const QString cause = fileErrorCause(error);
    return cause.isEmpty() ? QStringLiteral("%1: %2.").arg(what, otherwise)
                           : QStringLiteral("%1: %2.").arg(what, cause);
}

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
    const QString tooBig = rtf::tooBigMessage();
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
    return writeFileAtomically(path, rtf::write(document), error);
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    // The new content goes to a temporary file next to the target and replaces it only when
    // complete, so a failed save leaves the old document as it was.
    QSaveFile file(path);
    int cause = 0;
    if (!attempt([&] { return file.open(QIODevice::WriteOnly); }, cause))
        return fail(saveFailure(QStringLiteral("Impossibile creare il file"), cause,
                                QStringLiteral("controlla la cartella e i permessi")));
    // A disk that fills up first takes part of the bytes without an error; writing the rest then
    // fails with the cause.
    const bool wrote = attempt(
        [&] {
            qint64 written = 0;
            while (written < bytes.size()) {
                const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
                if (n <= 0)
                    return false;
                written += n;
            }
            return file.flush();
        },
        cause);
    if (!wrote) {
        file.cancelWriting();
        return fail(saveFailure(QStringLiteral("Impossibile scrivere il file"), cause,
                                QStringLiteral("il disco potrebbe essere pieno")));
    }
    // QSaveFile ignores a failed sync and would put a file the disk may never hold in place of the
    // old one: the bytes must be on the disk before the name moves.
    if (::fsync(file.handle()) != 0 && errno != EINVAL) {
        const int error = errno;
        file.cancelWriting();
        return fail(saveFailure(QStringLiteral("Impossibile scrivere il file sul disco"), error,
                                QStringLiteral("errore del dispositivo")));
    }
    if (!attempt([&] { return file.commit(); }, cause))
        return fail(saveFailure(QStringLiteral("Impossibile completare il salvataggio del file"), cause,
                                QStringLiteral("il file precedente è rimasto com'era")));
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
