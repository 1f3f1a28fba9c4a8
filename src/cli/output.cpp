// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/output.h"

#include "document/document_file.h"

#include <cerrno>

namespace quintavia::cli {

void Output::print(std::string_view utf8)
{
    if (std::fwrite(utf8.data(), 1, utf8.size(), m_out) != utf8.size() && !m_failed) {
        m_failed = true;
        m_writeError = errno;
    }
}

void Output::print(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    print(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

void Output::complain(const QString& text)
{
    std::fflush(m_out);
    const QByteArray bytes = (QStringLiteral("quintavia-check: ") + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), m_err);
}

void Output::warn(const QString& text)
{
    std::fflush(m_out);
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), m_err);
}

int Output::usage(const QString& text, const QString& helpCommand)
{
    complain(text);
    const QByteArray hint = QStringLiteral("Prova \"%1 --help\".\n").arg(helpCommand).toUtf8();
    std::fwrite(hint.constData(), 1, std::size_t(hint.size()), m_err);
    return 2;
}

int Output::finish(int status)
{
    if (std::fflush(m_out) != 0 && !m_failed) {
        m_failed = true;
        m_writeError = errno;
    }
    if (!m_failed && !std::ferror(m_out))
        return status;
    QString cause = fileErrorCause(m_writeError);
    if (cause.isEmpty())
        cause = QStringLiteral("l'uscita non è stata scritta per intero");
    complain(QStringLiteral("errore di scrittura: %1").arg(cause));
    return 1;
}

}  // namespace quintavia::cli
