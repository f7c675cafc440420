#include "core/artwork/contour_drawing.h"

#include <gtest/gtest.h>

namespace pistora {
namespace {

// Counts what a loop asks of its host, and can press "&Stop !" on the Nth pump.
class CountingHost : public Host {
 public:
  explicit CountingHost(Workspace* ws = nullptr, int stop_on_pump = -1) : ws_(ws), stop_on_pump_(stop_on_pump) {}
  void PumpEvents() override {
    if (++pumps == stop_on_pump_ && ws_) ws_->StopRequest = true;
  }
  void RefreshView(View v) override { (v == View::Engraving ? engraving_refreshes : artwork_refreshes)++; }
  int pumps = 0;
  int engraving_refreshes = 0;
  int artwork_refreshes = 0;

 private:
  Workspace* ws_;
  int stop_on_pump_;
};

Workspace SquareWorkspace() {
  Workspace ws;
  ws.ArtworkBitmap = Bitmap(5, 5);
  ws.EngravingBitmap = Bitmap(5, 5);
  Contour c;
  c.PathText = "(1;2)+*+**+*+-*-**-*-CLOSED Points : 8Fin(1,2)";
  ws.Table.items.push_back(c);
  return ws;
}

TEST(ContourDrawing, ReplaysThePathInPathCoordinates) {
  Workspace ws = SquareWorkspace();
  CountingHost host;
  DrawContour(ws, host, 0, kBlue, true, kTargetEngraving);
  // The ring around the pixel at column 2, row 2 (y = 3).
  for (int row = 0; row < 5; ++row) {
    for (int x = 0; x < 5; ++x) {
      const bool ring = x >= 1 && x <= 3 && row >= 1 && row <= 3 && !(x == 2 && row == 2);
      EXPECT_EQ(ws.EngravingBitmap.Is(x, row, kBlue), ring) << x << "," << row;
    }
  }
  EXPECT_EQ(host.pumps, 8);
  EXPECT_EQ(host.engraving_refreshes, 2);  // after the start, and the final refresh
}

TEST(ContourDrawing, StopsAtTheNextStepWhenStopIsRequested) {
  Workspace ws = SquareWorkspace();
  CountingHost host(&ws, 3);
  DrawContour(ws, host, 0, kBlue, false, kTargetEngraving);
  int blue = 0;
  for (int row = 0; row < 5; ++row)
    for (int x = 0; x < 5; ++x) blue += ws.EngravingBitmap.Is(x, row, kBlue);
  EXPECT_EQ(blue, 3);  // the start and two steps
}

TEST(ContourDrawing, AnimationShowsTheViewEverySpeedPlusOnePixels) {
  Workspace ws = SquareWorkspace();
  CountingHost host;
  Animation animation{.speed = 2, .counter = 0};
  DrawContour(ws, host, 0, kRed, false, kTargetEngraving, &animation);
  EXPECT_EQ(host.engraving_refreshes, 1 + 8 / 3);
  EXPECT_EQ(animation.counter, 8 % 3);
}

TEST(ContourDrawing, DrillMarkIsClippedAndCountersFollowTheFlags) {
  Workspace ws = SquareWorkspace();
  Contour pad;
  pad.IsPad = true;
  pad.CenterX = 0;
  pad.CenterY = 5;  // top-left pixel
  DrawDrillMark(ws, pad, 2);
  EXPECT_TRUE(ws.EngravingBitmap.Is(0, 0, kGreen));
  EXPECT_TRUE(ws.EngravingBitmap.Is(2, 2, kGreen));
  EXPECT_TRUE(ws.EngravingBitmap.Is(3, 0, kWhite));
  ws.Table.items.push_back(pad);
  pad.IsUseless = true;
  ws.Table.items.push_back(pad);
  Contour useless;
  useless.IsUseless = true;
  ws.Table.items.push_back(useless);
  EXPECT_EQ(CountContours(ws.Table), (ContourCounters{1, 2}));
}

}  // namespace
}  // namespace pistora
