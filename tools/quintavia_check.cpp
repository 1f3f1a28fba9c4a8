// quintavia-check: prints the lines of exercise documents exactly as the solver reads them.
#include "document/document_file.h"
#include "worksheet_command.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

const char kHelp[] =
    "Uso: quintavia-check FILE...\n"
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
    "  --help    mostra questo aiuto\n"
    "  --scheda  crea una scheda PDF da stampare (\"quintavia-check --scheda --help\")\n";

void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (isWorksheetCommand(argc, argv))
        return runWorksheetCommand(argc, argv);
    QCoreApplication app(argc, argv);
    QStringList files;
    bool onlyFiles = false;
    for (const QString& argument : app.arguments().mid(1)) {
        if (!onlyFiles && argument == QLatin1String("--")) {
            onlyFiles = true;
        } else if (!onlyFiles && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            std::fputs(kHelp, stdout);
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
            print(stdout, QStringLiteral("%1==> %2 <==\n").arg(firstBlock ? QString() : QStringLiteral("\n"), path));
            firstBlock = false;
        }
        const QStringList lines = quintavia::plainText(*result.document).split(QLatin1String("\r\n"));
        for (const QString& line : lines)
            print(stdout, line + QLatin1Char('\n'));
    }
    return status;
}
