#pragma once

#include <string>

namespace pistora {

// A message of the machine (an alarm, the program line at hand) in the chosen language: a whole
// fixed message, or one made of a fixed start and a value (the axis, the port's error, the line),
// whose start is translated. Any other text comes back as it is.
std::string TranslatedMachineMessage(const std::string& text);

}  // namespace pistora
