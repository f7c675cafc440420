#pragma once

#include <string>
#include <vector>

#include "core/text/status.h"

namespace pistora {

inline constexpr const char* kLoupeSettingsFileName = "loupe.dat";

// Zoom slider range and offset range of the magnifier settings window.
inline constexpr int kLoupeMinPosition = 1;
inline constexpr int kLoupeMaxPosition = 50;
inline constexpr int kLoupeMaxOffset = 1000;  // offsets run from -1000 to 1000 pixels

// The four lines of loupe.dat.
struct LoupeSettings {
  int SliderPosition = 1;        // line 1: zoom slider position P, 1 to 50
  std::string ZoomText = "100";  // line 2: the zoom percentage as shown; only displayed
  int OffsetX = 0;               // line 3: pixels, -1000 to 1000
  int OffsetY = 0;               // line 4: pixels, -1000 to 1000

  friend bool operator==(const LoupeSettings&, const LoupeSettings&) = default;
};

// The lines of loupe.dat in file order.
std::vector<std::string> LoupeSettingsLines(const LoupeSettings& settings);

// Reads the lines in file order into `settings`. Lines 1, 3 and 4 must be integers in their
// range; the first one that is not (or is missing) stops the reading with a message that names
// the line, and the values read before it stay set, as in the settings window.
Status LoupeSettingsFromLines(const std::vector<std::string>& lines, LoupeSettings* settings);

// Reads loupe.dat; see LoupeSettingsFromLines. A file that cannot be read leaves `settings`
// untouched.
Status LoadLoupeSettings(const std::string& path, LoupeSettings* settings);

// Writes loupe.dat through a temporary file: a failed save keeps the old file.
Status SaveLoupeSettings(const std::string& path, const LoupeSettings& settings);

// The zoom percentage shown for slider position P: 10000 div (2 × (51 − P)), 100 at P = 1 and
// 5000 at P = 50.
int ZoomPercent(int position);
std::string ZoomPercentText(int position);

// Half the side c of the square copied from the main window, in pixels: 51 − P.
int HalfSide(int position);

// Top-left corner of the enlarged picture inside the mask window, in pixels.
struct LoupePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const LoupePoint&, const LoupePoint&) = default;
};
LoupePoint PictureOrigin(int offset_x, int offset_y);

// The main window's client point under the pointer, from the pointer's screen position and the
// screen position of the main window's client origin (its real origin, whatever the frame is).
LoupePoint ClientPointFromScreen(int screen_x, int screen_y, int client_left, int client_top);

// The square copied (stretched) into the enlarged picture: from (x − c, y − c), 2c on a side.
struct LoupeSquare {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const LoupeSquare&, const LoupeSquare&) = default;
};
LoupeSquare SourceSquare(LoupePoint client, int half_side);

}  // namespace pistora
