// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Private to src/diagnosis: what a teacher says about a step, in words a ten-year-old understands.
#include <string>

namespace quintavia::diagnosis::detail::words {

inline constexpr const char* kProductsFirst =
    "Prima le moltiplicazioni e le divisioni, poi le addizioni e le sottrazioni.";
inline constexpr const char* kPowersFirst =
    "Prima le potenze, poi moltiplicazioni e divisioni, infine addizioni e sottrazioni.";
inline constexpr const char* kBracketsFirst = "Prima si calcola dentro le parentesi più interne.";
inline constexpr const char* kSumsLeftToRight =
    "Addizioni e sottrazioni si eseguono nell'ordine in cui compaiono, da sinistra a destra.";
inline constexpr const char* kProductsLeftToRight =
    "Moltiplicazioni e divisioni si eseguono nell'ordine in cui compaiono, da sinistra a destra.";
inline constexpr const char* kTogether = "Il risultato è giusto, ma fai un passaggio alla volta.";
inline constexpr const char* kCopiedLine = "Hai ricopiato la riga di prima: ora fai un passaggio.";
inline constexpr const char* kReordered = "Hai solo cambiato l'ordine: ora fai un passaggio.";
inline constexpr const char* kCopyTheRest = "le parti che non calcoli si ricopiano uguali.";
inline constexpr const char* kMinusMinus = "Meno per meno fa più";
inline constexpr const char* kMinusBeforeBracket =
    "Il meno davanti alla parentesi cambia i segni di tutti i termini dentro.";
inline constexpr const char* kNoStep = "Questa riga vale come quella di prima, ma non è un passaggio giusto.";
inline constexpr const char* kOtherValue = "Questa riga non vale come quella di prima: ricontrolla i calcoli.";
inline constexpr const char* kEmpty = "Scrivi il passaggio, poi premi invio.";
inline constexpr const char* kNoNumbers = "Scrivi il passaggio con i numeri e i segni.";
inline constexpr const char* kFinished = "L'esercizio è finito.";

inline std::string commonDenominator(const std::string& sum, const std::string& right, const std::string& typed)
{
    return "Per sommare frazioni con denominatori diversi si trova il denominatore comune: " + sum + " = "
           + right + ", non " + typed + ".";
}

inline std::string reciprocal(const std::string& quotient, const std::string& product)
{
    return "Dividere per una frazione è moltiplicare per la sua reciproca: " + quotient + " = " + product + ".";
}

inline std::string reduce(const std::string& fraction)
{
    return "Ora riduci " + fraction + ".";
}

}  // namespace quintavia::diagnosis::detail::words
