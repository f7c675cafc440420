#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/artwork/contour.h"
#include "core/artwork/workspace.h"

namespace pistora {

// Jaggies smoothing ("Crénelage"): rewrites pixel stairs, spikes and back-and-forth steps of a
// path text by straighter step sequences with the same end point.

// One rewrite of the smoothing table.
struct SmoothingRule {
  std::string_view pattern;
  std::string_view replacement;  // never longer than the pattern
};

// The 21 rewrites, in the order they are applied.
std::span<const SmoothingRule> SmoothingTable();

// Replaces occurrences of `pattern` in `text` (the text that follows the ")" of a start point,
// so odd 1-based positions are boundaries of step codes): repeatedly take the FIRST occurrence in
// the whole text; stop when there is none or when it begins at an even 1-based position (even
// if aligned occurrences follow it); otherwise replace it and look again from the beginning.
// Returns the number of replacements.
//
// Termination: with the smoothing table every replacement either shortens the text or keeps its
// length and turns two non-"*" characters into "*", so length + non-"*" characters drops by at
// least 2 each time and at most text.size() replacements happen. For any other pair the count
// is capped at 2 * text.size() + 1 so that a rule which recreates its own pattern cannot loop.
// An empty pattern replaces nothing.
int ReplacePattern(std::string& text, std::string_view pattern, std::string_view replacement);

// Applies the smoothing table in order to the text after the first ")" of the entry's path;
// the head "(x;y)" and every other field of the entry stay unchanged. An index outside the
// table, or a path without ")", changes nothing.
void SmoothContour(ContourTable& table, int index);

// The "Crénelage" command: for each entry that is neither useless nor a pad, adds
// "*** Ligne " + i + " ****" to RunLog and smooths it.
void SmoothUsefulContours(Workspace& ws);

}  // namespace pistora
