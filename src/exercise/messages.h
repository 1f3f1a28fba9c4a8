// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words the working windows say to teacher and pupil, and the limits they enforce, in one
// place: exact texts, blanks and accents included.
#include <QString>

namespace quintavia::messages {

inline QString warningTitle()
{
    return QStringLiteral("Avviso");
}
// The file dialogs' filter, in the "description|pattern" notation.
inline QString exerciseFilter()
{
    return QStringLiteral("file .rtf (Rich Text Format)|*.rtf");
}

// Solver.
inline QString rightStep()
{
    return QStringLiteral("Bravissimo");
}
inline QString wrongStep()
{
    return QStringLiteral("Il passaggio non è esatto. Correggi.");
}
inline QString cannotOpenExercise()
{
    return QStringLiteral("Non riesco ad aprire l'esercizio %1.\n%2");
}
inline QString tooManyLinesToSolve()
{
    return QStringLiteral("L'esercizio %1 ha troppe righe per essere risolto.");
}

// Editor.
inline QString saveWorkQuestion()
{
    return QStringLiteral("Salvi il lavoro fatto?");
}
inline QString cannotOpenFile()
{
    return QStringLiteral("Non è stato possibile aprire il file \"%1\".\n%2");
}
inline QString replaceFileQuestion()
{
    return QStringLiteral("Il file \"%1\" esiste già. Vuoi sostituirlo?");
}
inline QString cannotSaveFile()
{
    return QStringLiteral("Non è stato possibile salvare il file \"%1\".\n%2");
}
inline QString replaceFollowingLines()
{
    return QStringLiteral("Sostituire le righe che seguono?");
}
inline QString noMoreSteps()
{
    return QStringLiteral("Non puoi aggiungere altri passaggi");
}
inline QString printAction()
{
    return QStringLiteral("Stampa…");
}
inline QString untitledExercise()
{
    return QStringLiteral("Esercizio");
}
inline QString cannotPrint()
{
    return QStringLiteral("Non è stato possibile stampare l'esercizio.");
}

}  // namespace quintavia::messages
