// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet_command.h"

#include "arithmetic/chain_check.h"
#include "exercise/exercise_lines.h"

#include "document/document_file.h"
#include "worksheet/worksheet.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

using namespace quintavia;

const char kHelp[]
    = "Uso: quintavia-check --scheda FILE|CARTELLA... --pdf USCITA.pdf [--soluzioni] [--forza]\n"
      "\n"
      "Crea una scheda da stampare (PDF, A4) con gli esercizi dei file .rtf indicati; di una\n"
      "cartella prende tutti i file .rtf, anche nelle sottocartelle, in ordine di nome. Ogni\n"
      "esercizio è numerato, con la sua espressione e tante righe vuote quanti sono i passaggi.\n"
      "\n"
      "  --pdf USCITA.pdf  il file da creare\n"
      "  --soluzioni       aggiunge, su pagine a parte, ogni esercizio con tutti i passaggi\n"
      "  --forza           sostituisce USCITA.pdf se esiste già\n"
      "  --help            mostra questo aiuto\n"
      "\n"
      "Un file che non si può leggere è segnalato su stderr e lasciato fuori; gli altri sono\n"
      "stampati lo stesso.\n"
      "\n"
      "Stato di uscita: 0 se tutti gli esercizi sono nella scheda, 1 se qualcuno manca o se la\n"
      "scheda non è stata scritta, 2 se il comando è sbagliato.\n";

void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// Only the command's own diagnostics go to stderr, not Qt's remarks about the session it runs in.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        print(stderr, message + QLatin1Char('\n'));
}

void complain(const QString& text)
{
    print(stderr, QStringLiteral("quintavia-check: ") + text + QLatin1Char('\n'));
}

struct Options {
    QStringList inputs;
    QString pdf;
    bool key = false;
    bool force = false;
};

// One exercise file to read, and the name the key shows: the path within the folder it was found
// in (also the sort key), or the path as given.
struct Source {
    QString path;
    QString name;
};

// The .rtf files under `folder`, in name order as a person reads it ("2" before "10").
QList<Source> folderSources(const QString& folder)
{
    QList<Source> sources;
    const QDir root(QFileInfo(folder).absoluteFilePath());
    QDirIterator it(folder, {QStringLiteral("*.rtf")}, QDir::Files | QDir::Readable | QDir::Hidden,
                    QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext()) {
        const QString path = it.next();
        sources.append({path, root.relativeFilePath(QFileInfo(path).absoluteFilePath())});
    }
    QCollator collator(QLocale(QLocale::Italian, QLocale::Italy));
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(sources.begin(), sources.end(),
              [&](const Source& a, const Source& b) { return collator.compare(a.name, b.name) < 0; });
    return sources;
}

// The heading names the one file or folder given, or the folder all of them are in, or else each.
QString titleFor(const QStringList& inputs)
{
    auto nameOf = [](const QString& path) {
        const QFileInfo info(QDir::cleanPath(path));
        return info.isDir() ? QDir(info.absoluteFilePath()).dirName() : info.completeBaseName();
    };
    if (inputs.size() == 1)
        return nameOf(inputs.constFirst());
    QStringList names;
    QSet<QString> parents;
    for (const QString& input : inputs) {
        names << nameOf(input);
        parents.insert(QFileInfo(QDir::cleanPath(input)).absolutePath());
    }
    if (parents.size() == 1)
        return QDir(*parents.constBegin()).dirName();
    return names.join(QStringLiteral(", "));
}

// The arithmetic check of an exercise's chain, as quintavia-check --verifica makes it. What it finds
// goes to stderr as "FILE:LINE: avviso: ..." and the exercise is printed all the same, so that no
// slip goes silently to the class.
QList<worksheet::LineWarning> chainWarnings(const QTextDocument& document)
{
    QList<worksheet::LineWarning> warnings;
    const auto verdicts = arithmetic::checkChain(exercise::linesOfDocument(document));
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        if (!verdicts[i].flagged())
            continue;
        QString text = QString::fromStdString(verdicts[i].message());
        if (verdicts[i].status == arithmetic::LineVerdict::Status::Unreadable
            && verdicts[i].problem.column > 0)
            text = QStringLiteral("colonna %1: %2").arg(verdicts[i].problem.column).arg(text);
        warnings.append({int(i) + 1, text});
    }
    return warnings;
}

// Parses the command line; returns 0 to go on, or the exit status to stop with.
int parse(const QStringList& arguments, Options& options)
{
    bool onlyFiles = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (onlyFiles || !argument.startsWith(QLatin1Char('-')) || argument.size() == 1) {
            options.inputs.append(argument);
        } else if (argument == QLatin1String("--")) {
            onlyFiles = true;
        } else if (argument == QLatin1String("--scheda")) {
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            std::fputs(kHelp, stdout);
            return -1;
        } else if (argument == QLatin1String("--soluzioni")) {
            options.key = true;
        } else if (argument == QLatin1String("--forza")) {
            options.force = true;
        } else if (argument == QLatin1String("--pdf") && i + 1 < arguments.size()) {
            options.pdf = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--pdf="))) {
            options.pdf = argument.mid(6);
        } else {
            complain(QStringLiteral("opzione sconosciuta o incompleta: %1").arg(argument));
            std::fputs("Prova \"quintavia-check --scheda --help\".\n", stderr);
            return 2;
        }
    }
    if (options.inputs.isEmpty() || options.pdf.isEmpty()) {
        complain(options.inputs.isEmpty() ? QStringLiteral("--scheda: manca un file o una cartella")
                                          : QStringLiteral("--scheda: manca --pdf USCITA.pdf"));
        std::fputs("Prova \"quintavia-check --scheda --help\".\n", stderr);
        return 2;
    }
    return 0;
}

}  // namespace

bool isWorksheetCommand(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        if (std::strcmp(argv[i], "--scheda") == 0)
            return true;
    }
    return false;
}

int runWorksheetCommand(int argc, char* argv[])
{
    // A PDF needs fonts but no screen: the command runs the same with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQt);
    QGuiApplication app(argc, argv);

    Options options;
    if (const int stop = parse(app.arguments().mid(1), options))
        return stop < 0 ? 0 : stop;
    if (QFileInfo::exists(options.pdf) && !options.force) {
        complain(QStringLiteral("%1: il file esiste già; --forza lo sostituisce").arg(options.pdf));
        return 1;
    }

    int status = 0;
    worksheet::Sheet sheet{titleFor(options.inputs), {}, options.key};
    for (const QString& input : options.inputs) {
        QList<Source> sources;
        if (QFileInfo(input).isDir()) {
            sources = folderSources(input);
            if (sources.isEmpty()) {
                complain(QStringLiteral("%1: nella cartella non c'è nessun file .rtf").arg(input));
                status = 1;
            }
        } else {
            sources.append({input, input});
        }
        for (const Source& source : sources) {
            const rtf::ReadResult read = readDocumentFile(source.path);
            if (!read.ok()) {
                complain(QStringLiteral("%1: %2").arg(source.path, read.error));
                status = 1;
                continue;
            }
            worksheet::Exercise exercise = worksheet::fromDocument(source.name, *read.document);
            exercise.warnings = chainWarnings(*read.document);
            for (const worksheet::LineWarning& warning : exercise.warnings)
                print(stderr, QStringLiteral("%1:%2: avviso: %3\n")
                                  .arg(source.path)
                                  .arg(warning.line)
                                  .arg(warning.text));
            sheet.exercises.append(exercise);
        }
    }
    if (sheet.exercises.isEmpty()) {
        complain(QStringLiteral("nessun esercizio da stampare: %1 non è stato scritto").arg(options.pdf));
        return 1;
    }

    // Written aside and put in place at the end, so a failure never leaves half a sheet.
    QSaveFile file(options.pdf);
    if (!file.open(QIODevice::WriteOnly)) {
        complain(QStringLiteral("%1: %2").arg(options.pdf, file.errorString()));
        return 1;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(1200);
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Quintavia"));
        worksheet::render(writer, sheet);
    }
    if (!file.commit()) {
        complain(QStringLiteral("%1: %2").arg(options.pdf, file.errorString()));
        return 1;
    }
    return status;
}
