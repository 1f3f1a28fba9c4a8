#pragma once
#include "ui/layout.h"

namespace quintavia::ui {

// The start window: title, version, credit line, the four picture buttons and the sound switch.
const WindowSpec& startLayout();

}  // namespace quintavia::ui
