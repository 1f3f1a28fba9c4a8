// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/keypad_keys.h"

namespace quintavia {

namespace {

constexpr KeyFormat O = KeyFormat::Ordinary;
constexpr KeyFormat E = KeyFormat::Exponent;
using L = KeyLook;
using K = KeyId;

// id, name, caption, character, format, spoken name, row, column, look, editor tab, tooltip
const KeyDef kKeys[] = {
    {K::Digit0, "Cmd_0", "0", u'0', O, "zero", 5, 0, L::Digit, 21, "cifra 0"},
    {K::Digit1, "Cmd_1", "1", u'1', O, "uno", 4, 0, L::Digit, 11, "cifra 1"},
    {K::Digit2, "Cmd_2", "2", u'2', O, "due", 4, 1, L::Digit, 13, "cifra 2"},
    {K::Digit3, "Cmd_3", "3", u'3', O, "tre", 4, 2, L::Digit, 14, "cifra 3"},
    {K::Digit4, "Cmd_4", "4", u'4', O, "quattro", 3, 0, L::Digit, 15, "cifra 4"},
    {K::Digit5, "Cmd_5", "5", u'5', O, "cinque", 3, 1, L::Digit, 16, "cifra 5"},
    {K::Digit6, "Cmd_6", "6", u'6', O, "sei", 3, 2, L::Digit, 17, "cifra 6"},
    {K::Digit7, "Cmd_7", "7", u'7', O, "sette", 2, 0, L::Digit, 18, "cifra 7"},
    {K::Digit8, "Cmd_8", "8", u'8', O, "otto", 2, 1, L::Digit, 19, "cifra 8"},
    {K::Digit9, "Cmd_9", "9", u'9', O, "nove", 2, 2, L::Digit, 20, "cifra 9"},
    {K::Plus, "Cmd_più", "+", u'+', O, "più", 2, 3, L::BigOperator, 27, "più"},
    {K::Minus, "Cmd_meno", "-", u'-', O, "meno", 3, 3, L::BigOperator, 28, "meno"},
    {K::Times, "Cmd_per", "x", u'x', O, "per", 4, 3, L::Times, 29, "per (x)"},
    {K::Dot, "cmd_puntino", "·", u'\u00B7', O, "punto", 6, 3, L::BigOperator, 8, "per (punto)"},
    {K::Divide, "Cmd_diviso", ":", u':', O, "diviso", 5, 3, L::Operator, 30, "diviso"},
    {K::FractionBar, "cmd_slash", "/", u'/', O, "linea di frazione", 7, 3, L::Operator, 9, "linea di frazione"},
    {K::Equals, "Cmd_uguale", "=", u'=', O, "uguale", 5, 2, L::Equals, 32, "uguale"},
    {K::Comma, "Cmd_virgola", ",", u',', O, "virgola", 5, 1, L::Digit, 31, "virgola decimale"},
    {K::RoundOpen, "Cmd_tonda_aperta", "(", u'(', O, "apri parentesi tonda", 1, 0, L::Bracket, 23, "parentesi tonda aperta"},
    {K::RoundClose, "Cmd_tonda_chiusa", ")", u')', O, "chiudi parentesi tonda", 1, 1, L::Bracket, 24, "parentesi tonda chiusa"},
    {K::SquareOpen, "Cmd_quadra_aperta", "[", u'[', O, "apri parentesi quadra", 1, 2, L::Bracket, 25, "parentesi quadra aperta"},
    {K::SquareClose, "Cmd_quadra_chiusa", "]", u']', O, "chiudi parentesi quadra", 1, 3, L::Bracket, 26, "parentesi quadra chiusa"},
    {K::CurlyOpen, "Cmd_graffa_aperta", "{", u'{', O, "apri parentesi graffa", 0, 2, L::Bracket, 12, "parentesi graffa aperta"},
    {K::CurlyClose, "Cmd_graffa_chiusa", "}", u'}', O, "chiudi parentesi graffa", 0, 3, L::Bracket, 22, "parentesi graffa chiusa"},
    {K::Exponent1, "cmd_prima", " 1   ", u'1', E, "esponente 1", 8, 0, L::Exponent, 7, "1 in esponente"},
    {K::Exponent2, "Cmd_quadrato", " 2   ", u'2', E, "esponente 2", 8, 1, L::Exponent, 33, "2 in esponente"},
    {K::Exponent3, "Cmd_cubo", " 3   ", u'3', E, "esponente 3", 8, 2, L::Exponent, 34, "3 in esponente"},
    {K::Exponent4, "cmd_allaquarta", " 4   ", u'4', E, "esponente 4", 7, 0, L::Exponent, 36, "4 in esponente"},
    {K::Exponent5, "cmd_allaquinta", " 5   ", u'5', E, "esponente 5", 7, 1, L::Exponent, 38, "5 in esponente"},
    {K::Exponent6, "cmd_allasesta", " 6   ", u'6', E, "esponente 6", 7, 2, L::Exponent, 40, "6 in esponente"},
    {K::Exponent7, "cmd_allasettima", " 7    ", u'7', E, "esponente 7", 6, 0, L::Exponent, 37, "7 in esponente"},
    {K::Exponent8, "cmd_allaottava", " 8    ", u'8', E, "esponente 8", 6, 1, L::Exponent, 39, "8 in esponente"},
    {K::Exponent9, "cmd_allanona", " 9   ", u'9', E, "esponente 9", 6, 2, L::Exponent, 41, "9 in esponente"},
    {K::Exponent0, "cmd_alla0", " 0   ", u'0', E, "esponente 0", 9, 0, L::Exponent, 6, "0 in esponente"},
    {K::Backspace, "Cmd_backspace", "", 0, O, "cancella", 0, 0, L::Backspace, 10, "cancella il carattere a sinistra",
     ":/pictures/backspace.svg", true},
};

}  // namespace

std::span<const KeyDef> keyTable()
{
    return kKeys;
}

const KeyDef& keyDef(KeyId id)
{
    // The table lists the keys in the enum's order.
    return kKeys[static_cast<int>(id)];
}

}  // namespace quintavia
