#include "core/job/gcode_writer.h"

#include <algorithm>
#include <cmath>

#include "core/artwork/bitmap.h"
#include "core/artwork/path_text.h"
#include "core/job/drill_sizes.h"
#include "core/job/file_names.h"
#include "core/job/job_bounds.h"
#include "core/job/order_job.h"
#include "core/text/line_file.h"
#include "core/job/tour.h"
#include "core/text/numbers.h"

namespace pistora {

std::string FormatMm(std::int64_t p, double pixel_size_mm) {
  return FormatFixed(static_cast<double>(p) * pixel_size_mm, 3);
}

namespace {

std::string RapidTo(const ProgramContext& context, std::int64_t x, std::int64_t y) {
  return "G00 X" + FormatMm(x, context.PixelSizeMm) + " Y" + FormatMm(y, context.PixelSizeMm);
}

std::string LineTo(const ProgramContext& context, std::int64_t x, std::int64_t y) {
  return "G01 X" + FormatMm(x, context.PixelSizeMm) + " Y" + FormatMm(y, context.PixelSizeMm);
}

void Append(std::vector<std::string>& lines, std::vector<std::string> more) {
  lines.insert(lines.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

bool IsStandard(Dialect dialect) { return dialect != Dialect::Pistora; }

// Lift to `lift`, rapid to (x, y), down to the engraving depth: the own runner takes G00 down at
// the work feed; a standard controller would plunge at rapid speed, so it gets G01 at the
// drilling feed and the engraving feed back.
std::vector<std::string> ApproachLines(const ProgramContext& context, const std::string& lift, std::int64_t x,
                                       std::int64_t y) {
  const JobParameters& p = context.Parameters;
  if (!IsStandard(p.TargetDialect)) return {"G00 Z" + lift, RapidTo(context, x, y), "G00 Z-" + p.EngravingDepth};
  return {"G00 Z" + lift, RapidTo(context, x, y), "F" + p.DrillingFeed, "G01 Z-" + p.EngravingDepth,
          "F" + p.EngravingFeed};
}

std::vector<std::string> DrillLines(const ProgramContext& context, const std::string& lift, std::int64_t x,
                                    std::int64_t y) {
  const JobParameters& p = context.Parameters;
  return {"G00 Z" + lift, RapidTo(context, x, y), "F" + p.DrillingFeed, "G01 Z-" + p.DrillingDepth,
          "F" + p.EngravingFeed};
}

}  // namespace

std::vector<std::string> FormatApproach(const ProgramContext& context, int x, int y) {
  return ApproachLines(context, context.Parameters.RetractDistance, x, y);
}

std::vector<PathCorner> PathCorners(const Contour& contour) {
  std::vector<PathCorner> corners;
  const std::string_view body = PathBody(contour.PathText);
  // 64-bit: a path of steps cannot push the point out of range.
  std::int64_t x = contour.StartX;
  std::int64_t y = contour.StartY;
  corners.push_back({x, y});
  bool first = true;
  char previous[2] = {0, 0};
  for (std::size_t i = 0; i + 1 < body.size() && IsStepCodeChar(body[i]); i += 2) {
    const char a = body[i];
    const char b = body[i + 1];
    if (first) {
      first = false;
    } else if (a != previous[0] || b != previous[1]) {
      corners.push_back({x, y});
    }
    previous[0] = a;
    previous[1] = b;
    // A pair such as "+X" or "**" moves nothing but still counts as a change of code.
    if (std::optional<Step> step = DecodeStep(a, b)) {
      x += step->dx;
      y += step->dy;
    }
  }
  corners.push_back({x, y});
  return corners;
}

std::vector<PathCorner> ClosedPathFromNearest(const std::vector<PathCorner>& corners, std::int64_t x,
                                              std::int64_t y) {
  const std::size_t m = corners.size() - 1;
  if (corners.size() < 3 || corners.front() != corners.back()) return corners;
  // Between two corners the path is a run of one step code, so its points are a + t * d with
  // d's parts in {-1, 0, 1} and t = 0..n.
  std::size_t best_segment = 0;
  PathCorner best_point = corners[0];
  std::int64_t best_distance = -1;
  for (std::size_t k = 0; k < m; ++k) {
    const PathCorner& a = corners[k];
    const PathCorner& b = corners[k + 1];
    const std::int64_t dx = (b.x > a.x) - (b.x < a.x), dy = (b.y > a.y) - (b.y < a.y);
    const std::int64_t n = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    std::int64_t t = 0;
    if (n > 0) {
      const double along = static_cast<double>((x - a.x) * dx + (y - a.y) * dy) / static_cast<double>(dx * dx + dy * dy);
      t = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::llround(along)), 0, n);
    }
    const PathCorner p{a.x + t * dx, a.y + t * dy};
    const std::int64_t distance = (p.x - x) * (p.x - x) + (p.y - y) * (p.y - y);
    if (best_distance < 0 || distance < best_distance) {
      best_distance = distance;
      best_segment = k;
      best_point = p;
    }
  }
  std::vector<PathCorner> walk{best_point};
  auto add = [&walk](const PathCorner& c) {
    if (walk.back() != c) walk.push_back(c);
  };
  for (std::size_t k = best_segment + 1; k <= m; ++k) add(corners[k]);
  for (std::size_t k = 1; k <= best_segment; ++k) add(corners[k]);
  add(best_point);
  if (walk.size() == 1) walk.push_back(best_point);
  return walk;
}

std::vector<std::string> FormatPathMoves(const ProgramContext& context, const Contour& contour) {
  const std::vector<PathCorner> corners = PathCorners(contour);
  std::vector<std::string> lines;
  for (std::size_t k = 1; k < corners.size(); ++k) lines.push_back(LineTo(context, corners[k].x, corners[k].y));
  return lines;
}

std::vector<std::string> FormatDrillHole(const ProgramContext& context, int x, int y) {
  return DrillLines(context, context.Parameters.RetractDistance, x, y);
}

namespace {

enum class Program { Engraving, Drilling };

// One object of a program: its table index, the JobOrder it must still hold when its turn
// comes (0: not checked) and whether an open track is cut from its end.
struct PlannedObject {
  int index = 0;
  int job_order = 0;
  bool reversed = false;
};

// Where the tool enters and leaves an object (pixels).
TourStop StopOf(const Contour& c) {
  if (c.IsPad) {
    return {static_cast<double>(c.CenterX), static_cast<double>(c.CenterY), static_cast<double>(c.CenterX),
            static_cast<double>(c.CenterY)};
  }
  const std::vector<PathCorner> corners = PathCorners(c);
  const PathCorner& end = corners.back();
  return {static_cast<double>(c.StartX), static_cast<double>(c.StartY), static_cast<double>(end.x),
          static_cast<double>(end.y)};
}

// The job order in the table (JobOrder 1..OrderedCount), improved by 2-opt when asked; the
// improved order is written back to JobOrder so that views and later checks agree.
std::vector<PlannedObject> PlanFromJobOrder(Workspace& ws, const JobParameters& parameters) {
  const std::vector<int> by_order = IndexByJobOrder(ws);
  std::vector<PlannedObject> plan;
  for (std::size_t k = 1; k < by_order.size(); ++k) {
    if (by_order[k] >= 0) plan.push_back({by_order[k], static_cast<int>(k), false});
  }
  if (!parameters.ImprovedOrder || plan.size() < 2) return plan;
  std::vector<TourStop> stops;
  for (const PlannedObject& o : plan) stops.push_back(StopOf(ws.Table[o.index]));
  Tour tour;
  for (std::size_t k = 0; k < plan.size(); ++k) tour.order.push_back(static_cast<int>(k));
  ImproveTourTwoOpt(stops, 0, 0, &tour);
  std::vector<PlannedObject> improved;
  for (std::size_t k = 0; k < tour.order.size(); ++k) {
    const int index = plan[static_cast<std::size_t>(tour.order[k])].index;
    ws.Table[index].JobOrder = static_cast<int>(k + 1);
    improved.push_back({index, static_cast<int>(k + 1), tour.reversed[k]});
  }
  return improved;
}

// Writes the lines of a program and follows the tool (pixels) to choose the lift of each move.
class ProgramWriter {
 public:
  ProgramWriter(const ProgramContext& context, std::vector<std::string>& lines) : context_(context), lines_(lines) {}

  void Enter(std::int64_t x, std::int64_t y) {
    Append(lines_, ApproachLines(context_, Lift(x, y), x, y));
    MovedTo(x, y);
  }
  void Drill(std::int64_t x, std::int64_t y) {
    Append(lines_, DrillLines(context_, Lift(x, y), x, y));
    MovedTo(x, y);
  }
  void CutTo(std::int64_t x, std::int64_t y) {
    lines_.push_back(LineTo(context_, x, y));
    MovedTo(x, y);
  }
  std::int64_t X() const { return x_; }
  std::int64_t Y() const { return y_; }

 private:
  // The travel height between objects close together; the retract distance for the first
  // move and for long ones.
  const std::string& Lift(std::int64_t x, std::int64_t y) const {
    const JobParameters& p = context_.Parameters;
    if (p.TravelHeight.empty() || !moved_) return p.RetractDistance;
    const double mm = std::hypot(static_cast<double>(x - x_), static_cast<double>(y - y_)) * context_.PixelSizeMm;
    return mm <= kShortTravelMm ? p.TravelHeight : p.RetractDistance;
  }
  void MovedTo(std::int64_t x, std::int64_t y) {
    x_ = x;
    y_ = y;
    moved_ = true;
  }

  const ProgramContext& context_;
  std::vector<std::string>& lines_;
  std::int64_t x_ = 0, y_ = 0;
  bool moved_ = false;
};

// The first and last comment of a program: Latin-1 "ç" for the own runner, ASCII otherwise.
std::string ProgramTitle(Program program, Dialect dialect) {
  if (program == Program::Engraving) return "programme gravure";
  return IsStandard(dialect) ? "programme percage" : "programme per\xC3\xA7" "age";
}

ProgramText BuildPlannedProgram(Workspace& ws, Host& host, const JobParameters& parameters, Program program,
                                const std::vector<PlannedObject>& plan, const std::string& opening_comment) {
  const ProgramContext context{ws.PixelSizeMm, parameters};
  const bool engraving = program == Program::Engraving;
  const bool standard = IsStandard(parameters.TargetDialect);
  const std::string title = ProgramTitle(program, parameters.TargetDialect);
  ProgramText text;
  std::vector<std::string>& lines = text.Lines;
  if (!opening_comment.empty()) lines.push_back(opening_comment);
  lines.push_back("(debut " + title + ")");
  lines.push_back(standard ? kStandardStateHeader : "%");
  lines.push_back("F" + parameters.EngravingFeed);
  if (parameters.SpindleControl) lines.push_back(standard ? "M03 S" + parameters.SpindleRpm : "M03");

  ProgramWriter writer(context, lines);
  for (const PlannedObject& object : plan) {
    host.PumpEvents();
    if (ws.StopRequest) {
      text.Stopped = true;
      break;
    }
    // Window events may have changed the table meanwhile: only what still holds its place.
    const int i = object.index;
    if (i >= ws.Table.ContourCount()) continue;
    if (object.job_order != 0 && ws.Table[i].JobOrder != object.job_order) continue;
    const Contour& c = ws.Table[i];
    if (engraving) {
      if (c.IsPad) {
        // The pad centre is spotted at engraving depth; its outline is not cut.
        writer.Enter(c.CenterX, c.CenterY);
        continue;
      }
      std::vector<PathCorner> corners = PathCorners(c);
      const bool closed = corners.front() == corners.back();
      if (object.reversed && !closed) std::reverse(corners.begin(), corners.end());
      if (parameters.ImprovedOrder && closed) corners = ClosedPathFromNearest(corners, writer.X(), writer.Y());
      writer.Enter(corners[0].x, corners[0].y);
      for (std::size_t k = 1; k < corners.size(); ++k) writer.CutTo(corners[k].x, corners[k].y);
    } else if (c.IsPad) {
      writer.Drill(c.CenterX, c.CenterY);
    }
  }

  lines.push_back("G00 Z" + parameters.RetractDistance);
  lines.push_back("G00 X0.000 Y0.000");
  if (parameters.SpindleControl) lines.push_back("M05");
  if (standard) {
    lines.push_back("(fin " + title + ")");
    lines.push_back("M30");
  } else {
    lines.push_back(engraving ? "M30  (Fin programme gravure)" : "M30  (Fin programme per\xC3\xA7" "age)");
  }
  return text;
}

ProgramText BuildProgram(Workspace& ws, Host& host, const JobParameters& parameters, Program program) {
  return BuildPlannedProgram(ws, host, parameters, program, PlanFromJobOrder(ws, parameters), "");
}

Status WriteProgram(const std::string& path, const ProgramText& text, std::size_t objects, ProgramReport* report) {
  if (report != nullptr) *report = ProgramReport{path, text.Lines.size(), text.Stopped, objects, "", text.Lines};
  return WriteLatin1LinesAtomically(path, text.Lines);
}

Status GenerateProgram(Workspace& ws, Host& host, const JobParameters& parameters, const std::string& chosen_name,
                       Program program, ProgramReport* report) {
  const std::string path = CompleteFileName(chosen_name, ".iso");
  if (Status s = CheckJobWithinPicture(ws); !s) return s;
  OrderJob(ws, program == Program::Engraving ? JobMode::Engraving : JobMode::Drilling);
  ws.StopRequest = false;
  ws.EngravingBitmap.Fill(kWhite);
  host.RefreshView(View::Engraving);
  const ProgramText text = BuildProgram(ws, host, parameters, program);
  return WriteProgram(path, text, static_cast<std::size_t>(std::max(ws.OrderedCount, 0)), report);
}

}  // namespace

ProgramText BuildEngravingProgram(Workspace& ws, Host& host, const JobParameters& parameters) {
  return BuildProgram(ws, host, parameters, Program::Engraving);
}

ProgramText BuildDrillingProgram(Workspace& ws, Host& host, const JobParameters& parameters) {
  return BuildProgram(ws, host, parameters, Program::Drilling);
}

Status GenerateEngravingProgram(Workspace& ws, Host& host, const JobParameters& parameters,
                                const std::string& chosen_name, ProgramReport* report) {
  return GenerateProgram(ws, host, parameters, chosen_name, Program::Engraving, report);
}

Status GenerateDrillingProgram(Workspace& ws, Host& host, const JobParameters& parameters,
                               const std::string& chosen_name, ProgramReport* report) {
  return GenerateProgram(ws, host, parameters, chosen_name, Program::Drilling, report);
}

Status GenerateDrillingPrograms(Workspace& ws, Host& host, const JobParameters& parameters,
                                const std::string& chosen_name, std::vector<ProgramReport>* reports) {
  std::vector<DrillSize> drills;
  if (Status s = ParseDrillList(parameters.Drills, &drills); !s) return s;
  reports->clear();
  if (drills.empty()) {
    ProgramReport report;
    Status status = GenerateDrillingProgram(ws, host, parameters, chosen_name, &report);
    if (status) reports->push_back(std::move(report));
    return status;
  }
  const std::string path = CompleteFileName(chosen_name, ".iso");
  if (Status s = CheckJobWithinPicture(ws); !s) return s;
  // One program per drill: the set replaces the previous one whole or not at all.
  StagedSaves staged;
  OrderJob(ws, JobMode::Drilling);
  ws.StopRequest = false;
  ws.EngravingBitmap.Fill(kWhite);
  host.RefreshView(View::Engraving);
  std::vector<std::vector<int>> holes(drills.size());
  for (int i : IndexByJobOrder(ws)) {
    if (i >= 0) holes[NearestDrill(drills, PadHoleDiameterMm(ws.Table[i], ws.PixelSizeMm))].push_back(i);
  }
  for (std::size_t d = 0; d < drills.size(); ++d) {
    if (holes[d].empty()) continue;
    std::vector<TourStop> stops;
    for (int i : holes[d]) stops.push_back(StopOf(ws.Table[i]));
    Tour tour = NearestNeighbourTour(stops, 0, 0);
    ImproveTourTwoOpt(stops, 0, 0, &tour);
    std::vector<PlannedObject> plan;
    for (int k : tour.order) plan.push_back({holes[d][static_cast<std::size_t>(k)], 0, false});
    const std::string comment =
        "(foret " + drills[d].text + " mm, " + std::to_string(plan.size()) + " trous)";
    const ProgramText text = BuildPlannedProgram(ws, host, parameters, Program::Drilling, plan, comment);
    ProgramReport report;
    if (Status s = WriteProgram(DrillProgramName(path, drills[d]), text, plan.size(), &report); !s) {
      reports->clear();
      return s;
    }
    report.Drill = drills[d].text;
    reports->push_back(std::move(report));
    if (text.Stopped) break;
  }
  if (Status s = staged.Commit(); !s) {
    reports->clear();
    return s;
  }
  return Status::Ok();
}

}  // namespace pistora
