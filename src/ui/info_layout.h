#pragma once
#include "ui/layout.h"

namespace quintavia::ui {

// The about window: a pale yellow surface for the credit lines and its OK button.
const WindowSpec& infoLayout();

// The colour of the credit lines drawn on the about window.
inline constexpr Rgb kInfoTextColour{0, 0, 192};

}  // namespace quintavia::ui
