#include "core/job/simulation.h"

#include <chrono>
#include <thread>
#include <vector>

#include "core/artwork/contour_drawing.h"
#include "core/job/line_drawing.h"
#include "core/job/order_job.h"

namespace pistora {

BusyDelay PumpingBusyDelay(Host& host, const bool& stop) {
  return [&host, &stop](int units) {
    for (int u = 0; u < units && !stop; ++u) {
      std::this_thread::sleep_for(std::chrono::milliseconds(kBusyDelayUnitMs));
      host.PumpEvents();
    }
  };
}

namespace {

// The drawing pen, in bitmap coordinates (row = H - path y).
struct Pen {
  int x = 0;
  int row = 0;
};

SimulationOutcome Simulate(Workspace& ws, Host& host, const SimulationSettings& settings, JobMode mode,
                           const BusyDelay* delay) {
  OrderJob(ws, mode);
  ws.StopRequest = false;
  Bitmap& view = ws.EngravingBitmap;
  const int height = view.Height();
  Pen pen{0, height};  // the job origin, path point (0, 0)
  view.Fill(kWhite);
  host.RefreshView(View::Engraving);
  if (mode == JobMode::Drilling) DrawUsefulContours(ws, host, false, settings.HoleSize);

  const std::vector<int> by_order = IndexByJobOrder(ws);
  Animation animation{settings.Speed, 0};
  for (std::size_t k = 1; k < by_order.size(); ++k) {
    const int i = by_order[k];
    if (i < 0) continue;
    host.PumpEvents();
    if (ws.StopRequest) break;
    if (i >= ws.Table.ContourCount() || ws.Table[i].JobOrder != static_cast<int>(k)) continue;
    const Contour c = ws.Table[i];  // a copy: events run while it is drawn
    // The tool goes where the programs send it: a pad's centre (spotted or drilled), a track's
    // start; never a pad's rim.
    const Pen entry = c.IsPad ? Pen{c.CenterX, height - c.CenterY} : Pen{c.StartX, height - c.StartY};
    const Pen exit = c.IsPad ? entry : Pen{c.EndX, height - c.EndY};
    DrawLine(view, pen.x, pen.row, entry.x, entry.row, kBlue);
    if (mode == JobMode::Engraving) {
      if (c.IsPad) {
        PlotPixel(ws, c.CenterX, c.CenterY, kGreen, kTargetEngraving);
        PlotPixel(ws, c.CenterX - 1, c.CenterY, kGreen, kTargetEngraving);
        PlotPixel(ws, c.CenterX + 1, c.CenterY, kGreen, kTargetEngraving);
        PlotPixel(ws, c.CenterX, c.CenterY + 1, kGreen, kTargetEngraving);
        PlotPixel(ws, c.CenterX, c.CenterY - 1, kGreen, kTargetEngraving);
        host.RefreshView(View::Engraving);
      } else {
        DrawContour(ws, host, i, kRed, false, kTargetEngraving, &animation);
      }
    } else {
      DrawDrillMark(ws, c, settings.HoleSize);
      if (delay != nullptr && *delay) (*delay)(settings.PauseUnits);
      host.RefreshView(View::Engraving);
    }
    pen = exit;
  }

  const bool stopped = ws.StopRequest;
  DrawLine(view, pen.x, pen.row, 0, height, kBlue);
  host.RefreshView(View::Engraving);
  return stopped ? SimulationOutcome::Stopped : SimulationOutcome::Completed;
}

}  // namespace

SimulationOutcome SimulateEngraving(Workspace& ws, Host& host, const SimulationSettings& settings) {
  return Simulate(ws, host, settings, JobMode::Engraving, nullptr);
}

SimulationOutcome SimulateDrilling(Workspace& ws, Host& host, const SimulationSettings& settings,
                                   const BusyDelay& delay) {
  return Simulate(ws, host, settings, JobMode::Drilling, &delay);
}

}  // namespace pistora
