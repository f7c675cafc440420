#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pistora {

// Which controller a program is written for.
//   Pistora   the program this machine's own runner reads (G00 moves at the work feed, so an
//             object is entered with "G00 Z-depth"); "%" on line 2, no state header.
//   LinuxCnc  standard RS274/NGC: a G21 G90 G94 G17 header, plunges as G01 at the drilling
//             feed, G00 only above the surface, "M03 S<rpm>", ASCII comments, no "%".
//   Grbl      the same words restricted to what GRBL 1.1 accepts: no tool words, no M06,
//             lines of at most kGrblMaxLineLength characters.
enum class Dialect { Pistora, LinuxCnc, Grbl };

inline constexpr std::size_t kGrblMaxLineLength = 70;

// "pistora", "linuxcnc", "grbl" (the option values); nullopt for any other text.
std::optional<Dialect> ParseDialect(std::string_view name);
const char* DialectName(Dialect dialect);

// The state header of the standard dialects (metric, absolute, feed per minute, XY plane).
inline constexpr const char* kStandardStateHeader = "G21 G90 G94 G17";

}  // namespace pistora
