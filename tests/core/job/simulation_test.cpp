#include "core/job/simulation.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "core/artwork/contour_drawing.h"
#include "core/job/job_test_host.h"
#include "core/job/line_drawing.h"
#include "core/job/order_job.h"

namespace pistora {
namespace {

constexpr int kW = 40;
constexpr int kH = 30;

// Colour at path point (x, y) of the engraving bitmap.
Rgb PathPixel(const Workspace& ws, int x, int y) { return *ReadEngravingPixel(ws, x, y); }

int CountColour(const Bitmap& b, Rgb colour) {
  int n = 0;
  for (int row = 0; row < b.Height(); ++row) {
    for (int x = 0; x < b.Width(); ++x) n += b.Is(x, row, colour) ? 1 : 0;
  }
  return n;
}

Contour Square(int x, int y) {  // a closed 2 x 2 square path starting at (x, y)
  Contour c;
  c.PathText = "(" + std::to_string(x) + ";" + std::to_string(y) + ")+*+**+*+-*-**-*-CLOSED";
  c.StartX = c.EndX = x;
  c.StartY = c.EndY = y;
  return c;
}

Contour Pad(int x, int y) {
  Contour c = Square(x - 1, y - 1);
  c.IsPad = true;
  c.CenterX = x;
  c.CenterY = y;
  return c;
}

// A track near the origin, a pad further out, a useless contour and a track the drilling
// view shows in black.
Workspace Board() {
  Workspace ws;
  ws.EngravingBitmap = Bitmap(kW, kH, kYellow);  // anything left from before must be cleared
  ws.Table.items = {Square(10, 5), Pad(30, 20), Square(2, 25)};
  ws.Table[2].IsUseless = true;
  return ws;
}

// Path point (x, y) as a bitmap pixel.
void Put(Bitmap& b, int x, int y, Rgb colour) { b.Set(x, kH - y, colour); }
void Travel(Bitmap& b, int x0, int y0, int x1, int y1) { DrawLine(b, x0, kH - y0, x1, kH - y1, kBlue); }
void Ring(Bitmap& b, int x, int y, Rgb colour) {  // the 8 pixels of Square(x, y)
  for (auto [dx, dy] : {std::pair{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}}) {
    Put(b, x + dx, y + dy, colour);
  }
}

TEST(SimulateEngraving, DrawsTravelContoursPadsAndTheWayHome) {
  Workspace ws = Board();
  testing::JobTestHost host;
  ws.StopRequest = true;  // cleared by the run
  EXPECT_EQ(SimulateEngraving(ws, host, SimulationSettings{}), SimulationOutcome::Completed);
  EXPECT_EQ(ws.OrderedCount, 2);

  // In job order, each piece drawn over the earlier ones: travel to the square, the square
  // in red, travel from its end to the pad's centre (where the program spots it, not its
  // rim), the pad as a green plus there, and the line home from the same centre.
  Bitmap expected(kW, kH, kWhite);
  Travel(expected, 0, 0, 10, 5);
  Ring(expected, 10, 5, kRed);
  Travel(expected, 10, 5, 30, 20);
  for (auto [x, y] : {std::pair{30, 20}, {29, 20}, {31, 20}, {30, 21}, {30, 19}}) Put(expected, x, y, kGreen);
  Travel(expected, 30, 20, 0, 0);
  EXPECT_EQ(ws.EngravingBitmap, expected);
  EXPECT_GE(CountColour(ws.EngravingBitmap, kRed), 4);  // half the ring lies under the next travel
  EXPECT_EQ(PathPixel(ws, 1, 1), kBlue);  // (0, 0) itself is row H, just off the bitmap
  EXPECT_EQ(host.refreshed.back(), View::Engraving);
}

TEST(SimulateEngraving, AnimationShowsTheViewEverySpeedPlusOnePixels) {
  struct Row {
    int speed;
    int refreshes;
  } rows[] = {{0, 8}, {3, 2}, {100, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.speed);
    Workspace ws;
    ws.EngravingBitmap = Bitmap(kW, kH);
    ws.Table.items = {Square(10, 5)};  // 8 steps
    testing::JobTestHost host;
    SimulationSettings settings;
    settings.Speed = r.speed;
    SimulateEngraving(ws, host, settings);
    // One refresh after the clear, one after the contour's start, one at the end.
    EXPECT_EQ(static_cast<int>(host.refreshed.size()), 3 + r.refreshes);
  }
}

TEST(SimulateEngraving, StopMidContourStillDrawsTheWayHome) {
  Workspace ws = Board();
  // Pumps: 1 before the first contour, then one per step of the square; stop on its 3rd step.
  testing::JobTestHost host(&ws.StopRequest, 4);
  EXPECT_EQ(SimulateEngraving(ws, host, SimulationSettings{}), SimulationOutcome::Stopped);
  // Start and two steps, the start then covered by the line home from the pen at (10, 5).
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kRed), 2);
  EXPECT_TRUE(ws.EngravingBitmap.Is(11, kH - 5, kRed) && ws.EngravingBitmap.Is(12, kH - 5, kRed));
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kGreen), 0);
  // The pen stayed at the square's end (10, 5): the closing line runs from there.
  Bitmap home(kW, kH, kWhite);
  DrawLine(home, 10, kH - 5, 0, kH, kBlue);
  for (int row = 0; row < kH; ++row) {
    for (int x = 0; x < kW; ++x) {
      if (home.Is(x, row, kBlue) && !(x == 10 && row == kH - 5)) {
        EXPECT_TRUE(ws.EngravingBitmap.Is(x, row, kBlue)) << x << "," << row;
      }
    }
  }
}

TEST(SimulateDrilling, TracksInBlackMarksInGreenAndAPausePerHole) {
  Workspace ws = Board();
  ws.Table.items.push_back(Pad(5, 5));
  ws.Table[3].IsUseless = true;  // still drilled
  testing::JobTestHost host;
  std::vector<int> pauses;
  SimulationSettings settings;
  settings.HoleSize = 1;
  settings.PauseUnits = 250;
  EXPECT_EQ(SimulateDrilling(ws, host, settings, [&](int units) { pauses.push_back(units); }),
            SimulationOutcome::Completed);
  EXPECT_EQ(pauses, (std::vector<int>{250, 250}));
  EXPECT_EQ(ws.Table[3].JobOrder, 1);
  EXPECT_EQ(ws.Table[1].JobOrder, 2);
  EXPECT_EQ(ws.Table[0].JobOrder, 0);
  Bitmap expected(kW, kH, kWhite);
  Ring(expected, 10, 5, kBlack);  // the useful track; the useless one is not shown
  // From hole centre to hole centre, as the drilling program goes; each mark drawn over the
  // travel that reached it, the next travel leaving from its centre.
  Travel(expected, 0, 0, 5, 5);
  for (int y = 4; y <= 6; ++y) {
    for (int x = 4; x <= 6; ++x) Put(expected, x, y, kGreen);
  }
  Travel(expected, 5, 5, 30, 20);
  for (int y = 19; y <= 21; ++y) {
    for (int x = 29; x <= 31; ++x) Put(expected, x, y, kGreen);
  }
  Travel(expected, 30, 20, 0, 0);
  EXPECT_EQ(ws.EngravingBitmap, expected);
  EXPECT_GT(CountColour(ws.EngravingBitmap, kGreen), 9);
}

TEST(SimulateDrilling, NoPadsLeavesOnlyTheTracks) {
  Workspace ws;
  ws.EngravingBitmap = Bitmap(kW, kH);
  ws.Table.items = {Square(10, 5)};
  testing::JobTestHost host;
  int calls = 0;
  SimulateDrilling(ws, host, SimulationSettings{}, [&](int) { ++calls; });
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kBlack), 8);
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kBlue), 0);  // the pen never left the origin
}

TEST(PumpingBusyDelay, WaitsUnitsAndHonoursTheStopFlag) {
  bool stop = false;
  testing::JobTestHost host(&stop, 3);
  const BusyDelay delay = PumpingBusyDelay(host, stop);
  delay(0);
  delay(-4);
  EXPECT_EQ(host.pumps, 0);
  const auto start = std::chrono::steady_clock::now();
  delay(1000);  // stopped on the third unit
  EXPECT_EQ(host.pumps, 3);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  stop = false;
  delay(5);
  EXPECT_EQ(host.pumps, 8);
}

}  // namespace
}  // namespace pistora
