// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// quintavia-check: prints the lines of exercise documents exactly as the solver reads them.
#include "check_commands.h"
#include "document/document_file.h"
#include "generate_command.h"
#include "worksheet_command.h"

#include <QCoreApplication>
#include <QStringList>

#include <cerrno>
#include <cstdio>

namespace {

const char kHelp[]
    = "Uso: quintavia-check FILE...\n"
      "  oppure: quintavia-check --valore ESPRESSIONE\n"
      "  oppure: quintavia-check --verifica FILE|CARTELLA...\n"
      "  oppure: quintavia-check --passaggi ESPRESSIONE [--fini] [--rtf FILE] [--forza]\n"
      "  oppure: quintavia-check --genera N --livello L [--seme S] [--cartella DIR] [--fini] [--forza]\n"
      "\n"
      "Legge ogni documento di esercizio (.rtf) come lo legge la finestra di risoluzione e ne\n"
      "stampa le righe in UTF-8, una riga di uscita per ogni riga del documento: la prima è\n"
      "l'espressione, le altre sono i passaggi. Con più file, ogni elenco è preceduto da\n"
      "\"==> FILE <==\".\n"
      "\n"
      "Un file che non si può leggere o che non è un documento RTF valido è segnalato su\n"
      "stderr come \"quintavia-check: FILE: motivo\".\n"
      "\n"
      "Stato di uscita: 0 se tutti i file sono stati letti, 1 se almeno uno non lo è stato,\n"
      "2 se mancano gli argomenti.\n"
      "\n"
      "--valore ESPRESSIONE\n"
      "    Stampa il valore esatto dell'espressione: un intero, un decimale con la virgola o una\n"
      "    frazione ridotta. Nell'espressione \"^\" seguito da cifre indica cifre in apice (3^2).\n"
      "    Un errore va su stderr come \"quintavia-check: colonna N: motivo\", stato 2.\n"
      "\n"
      "--verifica FILE|CARTELLA...\n"
      "    Dà un valore a ogni riga di ogni esercizio (nelle cartelle, ogni .rtf anche nelle\n"
      "    sottocartelle) e segnala come \"FILE:RIGA: motivo\" ogni riga che vale diversamente\n"
      "    dalla riga con valore precedente o che non si può leggere; alla fine un riepilogo.\n"
      "    Stato 0 se è tutto giusto, 1 se c'è una riga segnalata, 2 se un file non si legge.\n"
      "\n"
      "--passaggi ESPRESSIONE [--fini] [--rtf FILE] [--forza]\n"
      "    Stampa l'espressione e i passaggi che la risolvono nell'ordine di scuola; con --fini\n"
      "    un'operazione per passaggio. Con --rtf li scrive in un esercizio che l'editor e la\n"
      "    risoluzione aprono; un file che esiste già è sostituito solo con --forza.\n"
      "\n"
      "--genera N --livello L [--seme S] [--cartella DIR] [--fini] [--forza]\n"
      "    Stampa N espressioni nuove (da 1 a 1000), una per riga, del livello L: 1 Quarta\n"
      "    primaria, 2 Quinta primaria, 3 Prima media, 4 Seconda media, 5 Terza media. Con\n"
      "    --cartella scrive DIR/es01.rtf ... con l'espressione e i passaggi (con --fini\n"
      "    un'operazione per passaggio); un file che esiste già è sostituito solo con --forza.\n"
      "    Lo stesso seme dà gli stessi esercizi; senza --seme è scelto a caso e scritto su\n"
      "    stderr (\"seme: 123456\").\n"
      "\n"
      "--scheda FILE|CARTELLA... --pdf USCITA.pdf [--soluzioni] [--forza]\n"
      "    Crea una scheda PDF da stampare (\"quintavia-check --scheda --help\").\n"
      "\n"
      "  --help       mostra questo aiuto\n"
      "  --version    mostra la versione\n";

int outputErrno = 0;  // the first failed write to stdout

void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) != size_t(bytes.size())
        && stream == stdout && !outputErrno)
        outputErrno = errno;
}

// Lines lost on a full disk must not pass for a success.
bool outputWritten()
{
    if (std::fflush(stdout) != 0 && !outputErrno)
        outputErrno = errno;
    if (!outputErrno && !std::ferror(stdout))
        return true;
    QString cause = quintavia::fileErrorCause(outputErrno);
    if (cause.isEmpty())
        cause = QStringLiteral("l'uscita non è stata scritta per intero");
    print(stderr, QStringLiteral("quintavia-check: errore di scrittura: %1\n").arg(cause));
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (isWorksheetCommand(argc, argv))
        return runWorksheetCommand(argc, argv);
    QCoreApplication app(argc, argv);
    if (const std::optional<int> status = quintavia::check::runArithmeticCommand(app.arguments().mid(1)))
        return *status;
    if (const std::optional<int> status = quintavia::check::runGenerateCommand(app.arguments().mid(1)))
        return *status;
    QStringList files;
    bool onlyFiles = false;
    for (const QString& argument : app.arguments().mid(1)) {
        if (!onlyFiles && argument == QLatin1String("--")) {
            onlyFiles = true;
        } else if (!onlyFiles && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (!onlyFiles && argument == QLatin1String("--version")) {
            std::fputs("quintavia-check (Quintavia) " QUINTAVIA_VERSION "\n", stdout);
            return 0;
        } else if (!onlyFiles && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            print(stderr, QStringLiteral("quintavia-check: opzione sconosciuta: %1\n").arg(argument));
            std::fputs("Prova \"quintavia-check --help\".\n", stderr);
            return 2;
        } else {
            files.append(argument);
        }
    }
    if (files.isEmpty()) {
        std::fputs(kHelp, stderr);
        return 2;
    }

    int status = 0;
    bool firstBlock = true;
    for (const QString& path : files) {
        const quintavia::rtf::ReadResult result = quintavia::readDocumentFile(path);
        if (!result.ok()) {
            std::fflush(stdout);
            print(stderr, QStringLiteral("quintavia-check: %1: %2\n").arg(path, result.error));
            status = 1;
            continue;
        }
        if (files.size() > 1) {
            print(stdout,
                  QStringLiteral("%1==> %2 <==\n").arg(firstBlock ? QString() : QStringLiteral("\n"), path));
            firstBlock = false;
        }
        const QStringList lines = quintavia::plainText(*result.document).split(QLatin1String("\r\n"));
        for (const QString& line : lines)
            print(stdout, line + QLatin1Char('\n'));
    }
    return outputWritten() ? status : 1;
}
