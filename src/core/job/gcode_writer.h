#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/artwork/contour.h"
#include "core/artwork/workspace.h"
#include "core/host/host.h"
#include "core/job/gcode_dialect.h"
#include "core/settings/main_settings.h"
#include "core/text/status.h"

namespace pistora {

// The job settings as the texts of their boxes; they are copied into the programs as typed
// (nothing is parsed here).
struct JobParameters {
  std::string EngravingDepth = "0.25";  // written after "G00 Z-" in every approach
  std::string DrillingDepth = "1.7";    // written after "G01 Z-" in every plunge
  std::string RetractDistance = "1.5";  // written after "G00 Z"
  std::string EngravingFeed = "350";    // "F" at the head of both programs and after a hole
  std::string DrillingFeed = "100";     // "F" before every plunge
  bool SpindleControl = true;           // writes "M03" and "M05"
  Dialect TargetDialect = Dialect::Pistora;
  std::string SpindleRpm = "10000";  // "S" on the M03 line of the standard dialects (rev/min)
  // Height of the moves between objects at most kShortTravelMm apart; empty: RetractDistance
  // (the retract distance is always kept for longer moves and at both ends of the program).
  std::string TravelHeight;
  // Orders the objects by nearest neighbour then 2-opt (open tracks may be run backwards) and
  // enters each closed contour at its point nearest to the tool.
  bool ImprovedOrder = false;
  // "0.6,0.8,1.0": one drilling program per drill, each hole taking the nearest drill;
  // empty: one drilling program for every hole.
  std::string Drills;

  friend bool operator==(const JobParameters&, const JobParameters&) = default;
};

inline JobParameters JobParametersFrom(const MainSettings& s) {
  return JobParameters{s.EngravingDepth, s.DrillingDepth, s.RetractDistance,
                       s.EngravingFeed,  s.DrillingFeed,  s.SpindleControl};
}

// Moves between objects up to this length (mm) stay at the travel height.
inline constexpr double kShortTravelMm = 20.0;

// What the line builders need: the scale and the job settings.
struct ProgramContext {
  double PixelSizeMm = 0.0;
  JobParameters Parameters;
};

// p pixels in millimetres, three decimals, "." whatever the locale ("0.000", "12.700").
std::string FormatMm(std::int64_t p, double pixel_size_mm);

// Retract, rapid to (x, y), down to the engraving depth: three lines.
std::vector<std::string> FormatApproach(const ProgramContext& context, int x, int y);

// The corners of a contour's path (pixels): its start, then the point where each change of
// step code happens and the final point, as FormatPathMoves writes them.
struct PathCorner {
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(const PathCorner&, const PathCorner&) = default;
};
std::vector<PathCorner> PathCorners(const Contour& contour);

// The corners of a closed path (last corner = first) walked from its point nearest to (x, y),
// which may lie between two corners, round to that point again. A path that does not come
// back to its start is returned as it is.
std::vector<PathCorner> ClosedPathFromNearest(const std::vector<PathCorner>& corners, std::int64_t x,
                                              std::int64_t y);

// The G01 lines of a contour's path: one line at each change of step code (at the point
// before the new code's step) and one at the final point. A contour without codes gives
// one line, to its start.
std::vector<std::string> FormatPathMoves(const ProgramContext& context, const Contour& contour);

// Retract, rapid to (x, y), drilling feed, plunge, engraving feed: five lines.
std::vector<std::string> FormatDrillHole(const ProgramContext& context, int x, int y);

// A whole program as lines (UTF-8), and whether a stop request cut its object loop short
// (the trailer is written either way).
struct ProgramText {
  std::vector<std::string> Lines;
  bool Stopped = false;
};

// The programs for the job order already in the table (JobOrder, OrderedCount). The object
// loop lets window events run once per object and ends early on StopRequest.
ProgramText BuildEngravingProgram(Workspace& ws, Host& host, const JobParameters& parameters);
ProgramText BuildDrillingProgram(Workspace& ws, Host& host, const JobParameters& parameters);

// What a program command did: the name written (the chosen name completed with ".iso"),
// the number of lines, the number of objects (holes) and whether it was stopped; with a drill
// list, the drill of that program. Lines is the program as written.
struct ProgramReport {
  std::string Path;
  std::size_t LineCount = 0;
  bool Stopped = false;
  std::size_t ObjectCount = 0;
  std::string Drill;
  std::vector<std::string> Lines;
};

// "Générer G-CODE (gravure )" after the file was chosen: orders the engraving job, clears
// StopRequest, clears the engraving view (white, shown), builds the program and writes it
// as Latin-1 CR LF through a temporary file, so a failed write leaves no partial program and
// keeps an older file of that name. The status carries the message of a failed write.
Status GenerateEngravingProgram(Workspace& ws, Host& host, const JobParameters& parameters,
                                const std::string& chosen_name, ProgramReport* report = nullptr);

// "Générer G-CODE ( perçage )": the same with the drilling job and program.
Status GenerateDrillingProgram(Workspace& ws, Host& host, const JobParameters& parameters,
                               const std::string& chosen_name, ProgramReport* report = nullptr);

// The drilling with the drill list of the parameters: one program per drill that has holes,
// named by DrillProgramName, smallest drill first, each opening with a comment naming the
// drill and its hole count, its holes ordered by nearest neighbour then 2-opt. Without a list,
// GenerateDrillingProgram. Stops at the first failed write (earlier programs stay written).
// A refused list gives its message and writes nothing.
Status GenerateDrillingPrograms(Workspace& ws, Host& host, const JobParameters& parameters,
                                const std::string& chosen_name, std::vector<ProgramReport>* reports);

}  // namespace pistora
