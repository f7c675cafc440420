#pragma once

#include <span>
#include <string_view>

#include "core/windows/caption_target.h"

namespace pistora {

// Every target of lines 2 to 180, ordered by line; each line has at least one target.
std::span<const CaptionTarget> AllCaptionTargets();

// The targets of one line; empty for line 1 and for lines outside 1 to 180.
std::span<const CaptionTarget> CaptionTargetsOfLine(int line);

// The caption of a line in the French file (UTF-8): the built-in text of the line's first target.
// Where one line serves controls built with slightly different texts ("Raz" and "RAZ", "Non
// utilisé" and "Non utilisée"), the first one is the line's caption. Line 1 gives the language's
// name "Français"; lines outside 1 to 180 give "".
std::string_view BuiltInFrenchCaption(int line);

}  // namespace pistora
