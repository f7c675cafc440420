#pragma once

#include <random>
#include <string>

#include "core/artwork/workspace.h"

namespace pistora::testing {

// A board of random rectangles (closed outlines), open staircase tracks and pads of a few hole
// sizes, spread over `side` pixels at 600 dpi, so that some moves between objects exceed 20 mm.
inline Workspace RandomBoard(unsigned seed, int objects, int side = 3000) {
  std::mt19937 random(seed);
  auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  Workspace ws;
  ws.PixelSizeMm = 25.4 / 600;
  for (int n = 0; n < objects; ++n) {
    const int x = pick(5, side), y = pick(5, side), w = pick(2, 60), h = pick(2, 60);
    Contour c;
    c.StartX = x;
    c.StartY = y;
    c.MinX = x;
    c.MinY = y;
    c.MaxX = x + w;
    c.MaxY = y + h;
    std::string codes;
    switch (pick(0, 2)) {
      case 0:  // rectangle outline, back on its start
        for (int i = 0; i < w; ++i) codes += "+*";
        for (int i = 0; i < h; ++i) codes += "*+";
        for (int i = 0; i < w; ++i) codes += "-*";
        for (int i = 0; i < h; ++i) codes += "*-";
        c.EndX = x;
        c.EndY = y;
        c.IsClosed = true;
        break;
      case 1:  // open track: a run then a diagonal
        for (int i = 0; i < w; ++i) codes += "+*";
        for (int i = 0; i < h; ++i) codes += "++";
        c.EndX = x + w + h;
        c.EndY = y + h;
        break;
      default: {  // pad whose hole spans 14 to 34 pixels (0.6 to 1.4 mm)
        const int d = pick(14, 34);
        c.MaxX = x + d - 1;
        c.MaxY = y + d - 1;
        c.IsPad = true;
        c.CenterX = x + d / 2;
        c.CenterY = y + d / 2;
        c.EndX = x;
        c.EndY = y;
        for (int i = 0; i < d; ++i) codes += "+*";
      }
    }
    c.PathText = "(" + std::to_string(x) + ";" + std::to_string(y) + ")" + codes + (c.IsClosed ? "CLOSED" : "NOTCLOSED");
    ws.Table.items.push_back(c);
  }
  return ws;
}

}  // namespace pistora::testing
