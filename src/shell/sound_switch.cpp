#include "shell/sound_switch.h"

namespace quintavia {

std::optional<int>& muto()
{
    static std::optional<int> value;
    return value;
}

bool soundsOn()
{
    return muto().value_or(0) == 0;
}

}  // namespace quintavia
