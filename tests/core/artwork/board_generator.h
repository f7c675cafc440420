#pragma once

#include <cstdint>

#include "core/artwork/bitmap.h"

namespace pistora::testing {

// What a generated board holds, each element placed at random.
struct BoardRecipe {
  int width = 64;
  int height = 48;
  int tracks = 6;          // polylines 1 to 3 pixels wide, straight and 45-degree legs
  int pads = 6;            // squares and discs, most with a white hole (some of one pixel)
  int rings = 2;           // copper rings with a small island inside
  int pours = 0;           // large rectangles with white holes
  int border_copper = 1;   // blocks touching an edge of the picture
  int diagonal_pairs = 2;  // pixels touching only at a corner
  int foreign_pixels = 4;  // grey, red and blue pixels: neither copper nor board
};

// A white board with black copper made from the recipe; the same seed gives the same board.
Bitmap GenerateBoard(const BoardRecipe& recipe, std::uint32_t seed);

}  // namespace pistora::testing
