#pragma once
#include "ui/layout.h"

#include <QHash>
#include <QString>

#include <vector>

namespace quintavia::ui {

// Where both working windows put their keypad inside `Frame1`: a grid of 495-twip cells on the
// columns 120, 660, 1200 and 1740, rows 540 apart. The first key row (backspace and the curly
// brackets) stands at `firstRowTop`; the keys below follow in the same order in both windows, and
// `Cmd_invio` ends the last row. Tab indexes differ between the windows and come from `tabIndexes`
// (by objectName); the confirm key's font size too.
std::vector<ControlSpec> keypadControls(int firstRowTop, const QHash<QString, int>& tabIndexes,
                                        double invioFontPoints);

}  // namespace quintavia::ui
