#include "ui/editor_layout.h"

#include "ui/keypad_layout.h"

#include <QHash>
#include <QString>

#include <vector>

namespace quintavia::ui {

namespace {

constexpr Rgb kWindowColour{255, 192, 192};
constexpr Rgb kDocumentButtons{192, 192, 255};
constexpr FontSpec kDocumentButtonFont{14.25};

// The keypad's first row sits one row higher than in the solver, which has a help row above it.
constexpr int kFirstKeyRowTop = 180;
constexpr double kInvioFontPoints = 12;

QHash<QString, int> keypadTabIndexes()
{
    return {
        {QStringLiteral("Cmd_1"), 11},           {QStringLiteral("Cmd_2"), 13},
        {QStringLiteral("Cmd_3"), 14},           {QStringLiteral("Cmd_4"), 15},
        {QStringLiteral("Cmd_5"), 16},           {QStringLiteral("Cmd_6"), 17},
        {QStringLiteral("Cmd_7"), 18},           {QStringLiteral("Cmd_8"), 19},
        {QStringLiteral("Cmd_9"), 20},           {QStringLiteral("Cmd_0"), 21},
        {QStringLiteral("Cmd_virgola"), 31},     {QStringLiteral("Cmd_uguale"), 32},
        {QString::fromUtf8("Cmd_più"), 27},      {QStringLiteral("Cmd_meno"), 28},
        {QStringLiteral("Cmd_per"), 29},         {QStringLiteral("Cmd_diviso"), 30},
        {QStringLiteral("cmd_puntino"), 8},      {QStringLiteral("cmd_slash"), 9},
        {QStringLiteral("Cmd_tonda_aperta"), 23}, {QStringLiteral("Cmd_tonda_chiusa"), 24},
        {QStringLiteral("Cmd_quadra_aperta"), 25}, {QStringLiteral("Cmd_quadra_chiusa"), 26},
        {QStringLiteral("Cmd_graffa_aperta"), 12}, {QStringLiteral("Cmd_graffa_chiusa"), 22},
        {QStringLiteral("cmd_prima"), 7},        {QStringLiteral("Cmd_quadrato"), 33},
        {QStringLiteral("Cmd_cubo"), 34},        {QStringLiteral("cmd_allaquarta"), 36},
        {QStringLiteral("cmd_allaquinta"), 38},  {QStringLiteral("cmd_allasesta"), 40},
        {QStringLiteral("cmd_allasettima"), 37}, {QStringLiteral("cmd_allaottava"), 39},
        {QStringLiteral("cmd_allanona"), 41},    {QStringLiteral("cmd_alla0"), 6},
        {QStringLiteral("Cmd_backspace"), 10},   {QStringLiteral("Cmd_invio"), 35},
    };
}

ControlSpec documentButton(const char* name, const char* caption, int left, int tabIndex)
{
    ControlSpec c{name, ControlKind::Button, caption, left, 240, 1515, 675};
    c.background = kDocumentButtons;
    c.font = kDocumentButtonFont;
    c.tabIndex = tabIndex;
    return c;
}

std::vector<ControlSpec> makeControls()
{
    std::vector<ControlSpec> controls;

    ControlSpec box{"RichTextBox1", ControlKind::RichTextBox, "", 120, 1080, 6735, 5370};
    box.background = Rgb{255, 255, 255};
    box.font = FontSpec{12};
    box.tabIndex = 0;
    box.accessibleName = "Esercizio";
    controls.push_back(box);

    controls.push_back(documentButton("cmdNuovo", "Nuova", 120, 1));
    controls.push_back(documentButton("cmdModifica", "Modifica", 1860, 2));
    controls.push_back(documentButton("cmdSalva", "Salva", 3600, 3));
    controls.push_back(documentButton("cmdColore", "Colore", 5340, 4));

    ControlSpec frame{"Frame1", ControlKind::Frame, "", 7020, 480, 2355, 5655};
    frame.background = kWindowColour;
    frame.tabIndex = 5;
    controls.push_back(frame);

    for (const ControlSpec& key : keypadControls(kFirstKeyRowTop, keypadTabIndexes(), kInvioFontPoints))
        controls.push_back(key);

    // Lies over the frame's free lower-right cells but belongs to the window, so it stays usable
    // while the keypad is disabled.
    ControlSpec esci{"Cmd_esci", ControlKind::Button, "Esci", 8760, 4980, 495, 1035};
    esci.background = Rgb{255, 0, 0};
    esci.font = FontSpec{9.75};
    esci.tabIndex = 42;
    esci.picture = ":/pictures/door_exit.svg";
    esci.onTop = true;
    controls.push_back(esci);

    return controls;
}

}  // namespace

const WindowSpec& editorLayout()
{
    static const std::vector<ControlSpec> controls = makeControls();
    static const WindowSpec layout = [] {
        WindowSpec s{"frmEditor", "Editor", 9510, 6825};
        s.background = kWindowColour;
        s.icon = ":/icons/editor.svg";
        s.font = FontSpec{12};
        s.controls = controls;
        return s;
    }();
    return layout;
}

}  // namespace quintavia::ui
