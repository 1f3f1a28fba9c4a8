// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/diagnosis.h"

#include "diagnosis/judge.h"

namespace quintavia::diagnosis {

std::string_view categoryName(Category category)
{
    switch (category) {
    case Category::Right: return "giusto";
    case Category::Unreadable: return "illeggibile";
    case Category::Brackets: return "parentesi";
    case Category::Together: return "insieme";
    case Category::Order: return "ordine";
    case Category::Power: return "potenza";
    case Category::Fraction: return "frazione";
    case Category::Sign: return "segno";
    case Category::Calculation: return "calcolo";
    case Category::Copied: return "ricopiato";
    case Category::Other: break;
    }
    return "altro";
}

Diagnosis diagnose(const arithmetic::Line& previous, const arithmetic::Line& expected, const arithmetic::Line& answer)
{
    return judge(previous, std::span(&expected, 1), answer).diagnosis;
}

}  // namespace quintavia::diagnosis
