#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pistora {

// A contour's path text: "(" x ";" y ")" followed by two-character step codes, then a tail
// that is not a code ("CLOSED", "NOTCLOSED", " Points : n", "Fin(x,y)").
//
// Step codes: first character the change of x, second the change of y, "+" = +1,
// "-" = -1, "*" = 0 (y grows upwards): "+*" "++" "*+" "-+" "-*" "--" "*-" "+-".

struct Step {
  int dx = 0;
  int dy = 0;
};

// The step of a pair of characters, or nullopt when the pair is none of the eight codes.
std::optional<Step> DecodeStep(char first, char second);

// True for "*", "+" and "-": the characters a step code is made of.
inline bool IsStepCodeChar(char c) { return c == '*' || c == '+' || c == '-'; }

// The code whose characters are the signs of dx and dy (whatever their size);
// "" when both are 0.
std::string StepCodeBetween(int x1, int y1, int x2, int y2);

// The start point written at the head of a path text: x is the text from the second
// character up to the first ";", y the text between that ";" and the first ")".
// nullopt when either is not an integer.
struct PathPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PathPoint&, const PathPoint&) = default;
};
std::optional<PathPoint> ParsePathStart(std::string_view path_text);

// The text after the first ")" (the step codes and the tail); empty when there is no ")".
std::string_view PathBody(std::string_view path_text);

// Calls visit(step) for each step code after the first ")", in order, ending at the first
// pair that is not a step code or when visit returns false.
template <typename Visit>
void ForEachStep(std::string_view path_text, Visit&& visit) {
  std::string_view body = PathBody(path_text);
  for (std::size_t i = 0; i + 1 < body.size(); i += 2) {
    std::optional<Step> step = DecodeStep(body[i], body[i + 1]);
    if (!step || !visit(*step)) return;
  }
}

// The points a path visits: its start, then one point per step code (ForEachStep's walk). Empty
// when the start cannot be read.
std::vector<PathPoint> PathPoints(std::string_view path_text);

}  // namespace pistora
