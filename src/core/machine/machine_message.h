#pragma once

#include <string>

namespace pistora {

// The start of the message line's note on the port in use ("Port : ppdev /dev/parport0 (378h).").
inline constexpr const char* kPortNotePrefix = "Port : ";

// A message of the machine (an alarm, the program line at hand) in the chosen language: a whole
// fixed message, or one made of a fixed start and a value (the axis, the port's error, the line),
// whose start is translated. Any other text comes back as it is.
std::string TranslatedMachineMessage(const std::string& text);

}  // namespace pistora
