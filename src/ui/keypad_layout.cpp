#include "ui/keypad_layout.h"

namespace quintavia::ui {

namespace {

constexpr int kCell = 495;
constexpr int kWide = 1035;  // a key across two columns
constexpr int kColumns[] = {120, 660, 1200, 1740};
constexpr int kRowStep = 540;

constexpr Rgb kDigits{128, 255, 255};
constexpr Rgb kOperators{255, 255, 128};
constexpr Rgb kBrackets{255, 128, 255};
constexpr Rgb kExponents{128, 255, 128};
constexpr Rgb kBackspace{255, 128, 0};
constexpr Rgb kInvio{0, 192, 192};

constexpr FontSpec kKeyFont{14.25, true};
constexpr FontSpec kBigFont{15.75, true};
constexpr FontSpec kExponentFont{9, true};

struct Cell {
    const char* name;
    int row;
    int column;
    bool wide;
    Rgb background;
    FontSpec font;
    const char* picture = "";
};

// Row 0 is the first key row; the grid is the same in both windows.
const Cell kGrid[] = {
    {"Cmd_backspace", 0, 0, true, kBackspace, kKeyFont, ":/pictures/backspace.svg"},
    {"Cmd_graffa_aperta", 0, 2, false, kBrackets, kKeyFont},
    {"Cmd_graffa_chiusa", 0, 3, false, kBrackets, kKeyFont},
    {"Cmd_tonda_aperta", 1, 0, false, kBrackets, kKeyFont},
    {"Cmd_tonda_chiusa", 1, 1, false, kBrackets, kKeyFont},
    {"Cmd_quadra_aperta", 1, 2, false, kBrackets, kKeyFont},
    {"Cmd_quadra_chiusa", 1, 3, false, kBrackets, kKeyFont},
    {"Cmd_7", 2, 0, false, kDigits, kKeyFont},
    {"Cmd_8", 2, 1, false, kDigits, kKeyFont},
    {"Cmd_9", 2, 2, false, kDigits, kKeyFont},
    {"Cmd_più", 2, 3, false, kOperators, kBigFont},
    {"Cmd_4", 3, 0, false, kDigits, kKeyFont},
    {"Cmd_5", 3, 1, false, kDigits, kKeyFont},
    {"Cmd_6", 3, 2, false, kDigits, kKeyFont},
    {"Cmd_meno", 3, 3, false, kOperators, kBigFont},
    {"Cmd_1", 4, 0, false, kDigits, kKeyFont},
    {"Cmd_2", 4, 1, false, kDigits, kKeyFont},
    {"Cmd_3", 4, 2, false, kDigits, kKeyFont},
    {"Cmd_per", 4, 3, false, kOperators, FontSpec{12, true}},
    {"Cmd_0", 5, 0, false, kDigits, kKeyFont},
    {"Cmd_virgola", 5, 1, false, kDigits, kKeyFont},
    {"Cmd_uguale", 5, 2, false, kDigits, kBigFont},
    {"Cmd_diviso", 5, 3, false, kOperators, kKeyFont},
    {"cmd_allasettima", 6, 0, false, kExponents, kExponentFont},
    {"cmd_allaottava", 6, 1, false, kExponents, kExponentFont},
    {"cmd_allanona", 6, 2, false, kExponents, kExponentFont},
    {"cmd_puntino", 6, 3, false, kOperators, kBigFont},
    {"cmd_allaquarta", 7, 0, false, kExponents, kExponentFont},
    {"cmd_allaquinta", 7, 1, false, kExponents, kExponentFont},
    {"cmd_allasesta", 7, 2, false, kExponents, kExponentFont},
    {"cmd_slash", 7, 3, false, kOperators, kKeyFont},
    {"cmd_prima", 8, 0, false, kExponents, kExponentFont},
    {"Cmd_quadrato", 8, 1, false, kExponents, kExponentFont},
    {"Cmd_cubo", 8, 2, false, kExponents, kExponentFont},
    {"cmd_alla0", 9, 0, false, kExponents, kExponentFont},
    {"Cmd_invio", 9, 1, true, kInvio, FontSpec{}, ":/pictures/invio.svg"},
};

}  // namespace

std::vector<ControlSpec> keypadControls(int firstRowTop, const QHash<QString, int>& tabIndexes,
                                        double invioFontPoints)
{
    std::vector<ControlSpec> controls;
    for (const Cell& cell : kGrid) {
        ControlSpec c{cell.name, ControlKind::Button};
        c.left = kColumns[cell.column];
        c.top = firstRowTop + cell.row * kRowStep;
        c.width = cell.wide ? kWide : kCell;
        c.height = kCell;
        c.background = cell.background;
        c.font = cell.font;
        if (QLatin1String(cell.name) == QLatin1String("Cmd_invio")) {
            c.font = FontSpec{invioFontPoints};
            c.accessibleName = "invio";
        }
        c.tabIndex = tabIndexes.value(QString::fromUtf8(cell.name), -1);
        c.parent = "Frame1";
        c.picture = cell.picture;
        controls.push_back(c);
    }
    return controls;
}

}  // namespace quintavia::ui
