#pragma once
#include "ui/layout.h"

namespace quintavia::ui {

// The solver window: document and answer boxes, message line, open and exit buttons, and the
// keypad frame with the help and confirm keys.
const WindowSpec& solverLayout();

// Colours of the open button while it blinks.
inline constexpr Rgb kOpenBright{0, 255, 0};
inline constexpr Rgb kOpenDark{0, 192, 0};

}  // namespace quintavia::ui
