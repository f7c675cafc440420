#include "core/artwork/polygonal.h"

namespace pistora {
namespace {

// One pass of "Traitement polygonale" along a line of `length` pixels: a white run opened
// after copper and closed by copper gets a mark at (gap start + closing position) div 2.
template <typename PixelAt, typename Mark>
void MarkGapsAlong(int length, PixelAt&& pixel_at, Mark&& mark) {
  bool after_copper = false;
  bool in_gap = false;
  int gap_start = 0;
  for (int i = 0; i < length; ++i) {
    const Rgb c = pixel_at(i);
    if (c == kBlack) {
      if (!after_copper) {
        after_copper = true;
        in_gap = false;
      } else if (in_gap) {
        in_gap = false;
        mark((gap_start + i) / 2);
      }
    } else if (c == kWhite && after_copper && !in_gap) {
      gap_start = i;
      in_gap = true;
    }
  }
}

}  // namespace

bool MarkGapMiddles(Workspace& ws, Host& host) {
  Bitmap& bm = ws.ArtworkBitmap;
  const int width = bm.Width();
  const int height = bm.Height();
  host.PumpEvents();
  bool completed = true;
  for (int x = 0; x < width; ++x) {
    if (ws.StopRequest) {
      completed = false;
      break;
    }
    MarkGapsAlong(
        height, [&](int row) { return bm.At(x, row); }, [&](int row) { bm.Set(x, row, kGreen); });
    host.RefreshView(View::Artwork);
    host.PumpEvents();
  }
  for (int row = 0; row < height; ++row) {
    if (ws.StopRequest) {
      completed = false;
      break;
    }
    MarkGapsAlong(
        width, [&](int x) { return bm.At(x, row); }, [&](int x) { bm.Set(x, row, kRed); });
    host.RefreshView(View::Artwork);
    host.PumpEvents();
  }
  return completed;
}

Rgb LayerColour(int k) {
  // Red and green grow by 10 while below 254, so they stop at 260, stored as a byte: 4.
  const auto level = static_cast<std::uint8_t>(k <= 0 ? 0 : k <= 25 ? 10 * k : 4);
  return Rgb{level, level, static_cast<std::uint8_t>(k & 0xFF)};
}

bool PreprocessArtwork(Workspace& ws, Host& host) {
  bool completed = PaintDistanceLayers(ws, host);
  completed = KeepRowRidges(ws, host) && completed;
  completed = KeepColumnRidges(ws, host) && completed;
  completed = BridgeLooseEnds(ws, host) && completed;
  completed = PruneOpenEnds(ws, host) && completed;
  BlackenAllButWhite(ws, host);
  return completed;
}

}  // namespace pistora
