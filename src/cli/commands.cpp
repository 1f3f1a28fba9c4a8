// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_runs.h"

#include "curriculum/levels.h"
#include "document/document_file.h"
#include "exercise/exercise_lines.h"

#include <string>

namespace quintavia::cli {

namespace {

// "1 Quarta primaria, 2 Quinta primaria, ...": the levels as curriculum names them, wrapped to the
// width of the other options' help.
const char* levelChoices()
{
    constexpr std::size_t kWidth = 72;
    static const std::string text = [] {
        std::string out;
        std::string line;
        for (int n = 1; n <= curriculum::kLevels; ++n) {
            const std::string item = std::to_string(n) + ' ' + std::string(curriculum::level(n).name)
                                     + (n < curriculum::kLevels ? "," : "");
            if (!line.empty() && line.size() + 1 + item.size() > kWidth) {
                out += line + '\n' + std::string(17, ' ');
                line.clear();
            }
            line += (line.empty() ? "" : " ") + item;
        }
        return out + line;
    }();
    return text.c_str();
}

}  // namespace

const std::vector<Command>& commands()
{
    static const std::vector<Command> all{
        {"", "FILE|CARTELLA...", 1, -1, "almeno un file o una cartella", {},
         "Legge ogni documento di esercizio (.rtf) come lo legge la finestra di risoluzione e ne\n"
         "stampa le righe in UTF-8, una riga di uscita per ogni riga del documento: la prima è\n"
         "l'espressione, le altre sono i passaggi; \"^\" seguito da cifre indica cifre in apice.\n"
         "Di una cartella prende tutti i file .rtf, anche nelle sottocartelle, in ordine di nome.\n"
         "Con più file, ogni elenco è preceduto da \"==> FILE <==\". Un file che non si può\n"
         "leggere è segnalato su stderr come \"quintavia-check: FILE: motivo\".\n"
         "Stato di uscita: 0 se tutti i file sono stati letti, 1 se almeno uno non lo è stato,\n"
         "2 se mancano gli argomenti.",
         false, runListing},
        {"--valore", "ESPRESSIONE", 1, 1, "un'espressione", {},
         "Stampa il valore esatto dell'espressione: un intero, un decimale con la virgola o una\n"
         "frazione ridotta. Nell'espressione \"^\" seguito da cifre indica cifre in apice (3^2).\n"
         "Un errore va su stderr come \"quintavia-check: colonna N: motivo\", stato 2.",
         false, runValue},
        {"--verifica", "FILE|CARTELLA...", 1, -1, "almeno un file o una cartella", {},
         "Dà un valore a ogni riga di ogni esercizio (nelle cartelle, ogni .rtf anche nelle\n"
         "sottocartelle) e segnala come \"FILE:RIGA: motivo\" ogni riga che vale diversamente\n"
         "dalla riga con valore precedente o che non si può leggere; alla fine un riepilogo.\n"
         "Stato 0 se è tutto giusto, 1 se c'è una riga segnalata, 2 se un file non si legge.",
         false, runVerify},
        {"--passaggi", "ESPRESSIONE", 1, 1, "un'espressione",
         {{"--fini", "", "un'operazione per passaggio"},
          {"--livello", "L", levelChoices()},
          {"--rtf", "FILE", "scrive l'esercizio in FILE invece di stamparlo"},
          {"--forza", "", "sostituisce FILE se esiste già"}},
         "Stampa l'espressione e i passaggi che la risolvono nell'ordine di scuola; con --fini\n"
         "un'operazione per passaggio; con --livello come li scrive quell'anno (1 e 2: una\n"
         "moltiplicazione o divisione per passaggio). Con --rtf li scrive in un esercizio che\n"
         "l'editor e la risoluzione aprono, con --livello anche il livello tra le proprietà del\n"
         "file; un file che esiste già è sostituito solo con --forza.",
         false, runSteps},
        {"--genera", "N", 1, 1, "quanti esercizi (da 1 a 1000)",
         {{"--livello", "L", levelChoices(), true},
          {"--seme", "S", "lo stesso seme dà gli stessi esercizi"},
          {"--tema", "T", "ogni espressione usa almeno due volte la regola del tema: ordine,\n"
                          "                 parentesi e potenze (dal livello 2), frazioni (4 e 5), segni (5)"},
          {"--cartella", "DIR", "scrive DIR/es01.rtf ... invece di stampare le espressioni"},
          {"--fini", "", "un'operazione per passaggio"},
          {"--forza", "", "sostituisce i file che esistono già"}},
         "Stampa N espressioni nuove, una per riga, del livello L, come le scrive un libro di\n"
         "scuola. Con --cartella scrive DIR/es01.rtf ... con l'espressione e i passaggi (con\n"
         "--fini un'operazione per passaggio); se un file esiste già non scrive niente, a meno di\n"
         "--forza. Ogni file porta tra le sue proprietà (oggetto e parole chiave) l'anno, il\n"
         "livello, il tema, il seme e il suo numero (\"livello 3; seme 2029; numero 5\"). Senza\n"
         "--seme il seme è scelto a caso e scritto su stderr (\"seme: 123456\"), perché si\n"
         "possa rifare la stessa scheda.",
         false, runGenerate},
        {"--diagnosi", "PRECEDENTE ATTESA RISPOSTA", 3, 3, "tre righe: la precedente, quella attesa, la risposta", {},
         "Giudica un passaggio come la finestra di risoluzione: dalla riga mostrata per ultima\n"
         "(PRECEDENTE), dalla riga dell'insegnante che viene dopo (ATTESA) e dalla risposta\n"
         "dell'alunno. Un passaggio accettato stampa \"giusto\" (o \"giusto: suggerimento\"), uno\n"
         "sbagliato \"categoria: messaggio\". Categorie: illeggibile, parentesi, insieme, ordine,\n"
         "potenza, frazione, segno, calcolo, ricopiato, altro. Stato 2 se PRECEDENTE o ATTESA non\n"
         "si leggono.",
         false, runDiagnosis},
        {"--risolvi", "FILE", 1, 1, "un esercizio",
         {{"--alunno", "NOME", "scrive le risposte nel registro dell'alunno, come la finestra"},
          {"--classe", "CARTELLA", "la cartella della classe del registro; senza, quella di questo utente"}},
         "Risolve l'esercizio FILE come nella finestra di risoluzione, senza finestra: legge le\n"
         "risposte dallo standard input, una per riga (\"?\" chiede un aiuto), e per ognuna stampa\n"
         "\"giusto\", \"giusto: suggerimento\", \"categoria: messaggio\" o \"aiuto: RIGA\" (cifre in\n"
         "apice dopo \"^\"). Alla fine dell'esercizio stampa il messaggio finale della finestra,\n"
         "stato 0; se le risposte finiscono prima, \"non finito: N errori, M aiuti\", stato 1.\n"
         "Con --alunno scrive l'esercizio nel registro dell'alunno come la finestra; se il registro\n"
         "non si può scrivere lo dice una volta su stderr e va avanti. Stato 2 se FILE non si\n"
         "legge o se il nome non va bene.",
         false, runSolve},
        {"--scheda", "FILE|CARTELLA...", 1, -1, "almeno un file o una cartella",
         {{"--pdf", "USCITA.pdf", "il file da creare", true},
          {"--soluzioni", "", "aggiunge, su pagine a parte, ogni esercizio con tutti i passaggi"},
          {"--forza", "", "sostituisce USCITA.pdf se esiste già"}},
         "Crea una scheda da stampare (PDF, A4) con gli esercizi dei file .rtf indicati; di una\n"
         "cartella prende tutti i file .rtf, anche nelle sottocartelle, in ordine di nome. Ogni\n"
         "esercizio è numerato, con la sua espressione e tante righe vuote quanti sono i passaggi.\n"
         "Un file che non si può leggere è segnalato su stderr e lasciato fuori; gli altri sono\n"
         "stampati lo stesso. Stato 0 se tutti gli esercizi sono nella scheda, 1 se qualcuno\n"
         "manca o se la scheda non è stata scritta, 2 se il comando è sbagliato.",
         true, runSheet},
        {"--registro", "CARTELLA|FILE...", 1, -1, "almeno una cartella della classe o un registro",
         {{"--csv", "FILE.csv", "scrive una riga per esercizio, colonne separate da \";\""},
          {"--pdf", "FILE.pdf", "scrive il resoconto da stampare (A4)"},
          {"--forza", "", "sostituisce i file che esistono già"}},
         "Legge i registri degli alunni (i file .registro di una cartella della classe, o i file\n"
         "indicati) e stampa per ogni alunno gli esercizi fatti e finiti, gli errori e gli aiuti,\n"
         "gli errori per regola e l'ultimo giorno di lavoro; poi per la classe le regole più\n"
         "sbagliate e gli esercizi con più errori. Con --csv e --pdf scrive invece i file: il CSV\n"
         "ha le colonne alunno;data;esercizio;livello;tema;finito;errori;aiuti;secondi e una per\n"
         "regola; il PDF una pagina per la classe, con i grafici, e una parte per ogni alunno.\n"
         "Un file che non è un registro è segnalato su stderr e saltato. Stato 0 se tutto è\n"
         "stato letto e scritto, 1 se qualcosa manca, 2 se il comando è sbagliato.",
         true, runReport},
        {"--prossimo", "", 0, 0, "nessun argomento oltre alle opzioni",
         {{"--alunno", "NOME", "il nome dell'alunno, come lo scrive nella risoluzione", true},
          {"--classe", "CARTELLA", "la cartella della classe; senza, il registro di questo utente"},
          {"--seme", "S", "lo stesso seme dà lo stesso esercizio"}},
         "Stampa la scelta che la risoluzione farebbe per l'alunno con \"Esercizio per me\"\n"
         "(\"livello L, tema T\", o \"tema nessuno\") e l'espressione dell'esercizio. Il livello\n"
         "sale di uno dopo tre esercizi di fila finiti senza errori e senza aiuti, scende di uno\n"
         "dopo due di fila con tre o più errori e aiuti; il tema è la regola più sbagliata negli\n"
         "ultimi dieci esercizi. Stato 1 se il registro non si legge, 2 se il nome non va bene.",
         false, runNext},
    };
    return all;
}

QString writeExercise(const QString& path, const std::vector<arithmetic::Line>& lines, const DocumentInfo& info)
{
    QString error = exercise::documentLimitProblem(lines);
    if (!error.isEmpty())
        return error;
    const std::unique_ptr<QTextDocument> document = exercise::documentOfLines(lines);
    setDocumentInfo(*document, info);
    writeDocumentFile(path, *document, &error);
    return error;
}

std::optional<int> levelOf(const Invocation& invocation, QString& refusal)
{
    const QString text = invocation.value("--livello");
    bool ok = false;
    const int level = text.toInt(&ok);
    if (ok && level >= 1 && level <= curriculum::kLevels)
        return level;
    refusal = QStringLiteral("il livello va da 1 (%1) a %2 (%3), non «%4»")
                  .arg(QString::fromUtf8(curriculum::level(1).name))
                  .arg(curriculum::kLevels)
                  .arg(QString::fromUtf8(curriculum::level(curriculum::kLevels).name))
                  .arg(text);
    return std::nullopt;
}

DocumentInfo generatedInfo(const ExerciseOrigin& origin)
{
    return {QString::fromUtf8(curriculum::level(origin.level).name), originKeywords(origin)};
}

QString located(int column, const std::string& message)
{
    const QString text = QString::fromStdString(message);
    return column > 0 ? QStringLiteral("colonna %1: %2").arg(column).arg(text) : text;
}

}  // namespace quintavia::cli
