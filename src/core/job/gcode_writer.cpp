#include "core/job/gcode_writer.h"

#include "core/artwork/bitmap.h"
#include "core/artwork/path_text.h"
#include "core/job/file_names.h"
#include "core/job/order_job.h"
#include "core/text/line_file.h"
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

}  // namespace

std::vector<std::string> FormatApproach(const ProgramContext& context, int x, int y) {
  const JobParameters& p = context.Parameters;
  return {"G00 Z" + p.RetractDistance, RapidTo(context, x, y), "G00 Z-" + p.EngravingDepth};
}

std::vector<std::string> FormatPathMoves(const ProgramContext& context, const Contour& contour) {
  std::vector<std::string> lines;
  const std::string_view body = PathBody(contour.PathText);
  // 64-bit: a path of steps cannot push the point out of range.
  std::int64_t x = contour.StartX;
  std::int64_t y = contour.StartY;
  bool first = true;
  char previous[2] = {0, 0};
  for (std::size_t i = 0; i + 1 < body.size() && IsStepCodeChar(body[i]); i += 2) {
    const char a = body[i];
    const char b = body[i + 1];
    if (first) {
      first = false;
    } else if (a != previous[0] || b != previous[1]) {
      lines.push_back(LineTo(context, x, y));
    }
    previous[0] = a;
    previous[1] = b;
    // A pair such as "+X" or "**" moves nothing but still counts as a change of code.
    if (std::optional<Step> step = DecodeStep(a, b)) {
      x += step->dx;
      y += step->dy;
    }
  }
  lines.push_back(LineTo(context, x, y));
  return lines;
}

std::vector<std::string> FormatDrillHole(const ProgramContext& context, int x, int y) {
  const JobParameters& p = context.Parameters;
  return {"G00 Z" + p.RetractDistance, RapidTo(context, x, y), "F" + p.DrillingFeed,
          "G01 Z-" + p.DrillingDepth, "F" + p.EngravingFeed};
}

namespace {

enum class Program { Engraving, Drilling };

ProgramText BuildProgram(Workspace& ws, Host& host, const JobParameters& parameters, Program program) {
  const ProgramContext context{ws.PixelSizeMm, parameters};
  const bool engraving = program == Program::Engraving;
  ProgramText text;
  std::vector<std::string>& lines = text.Lines;
  lines.push_back(engraving ? "(debut programme gravure)" : "(debut programme per\xC3\xA7" "age)");
  lines.push_back("%");
  lines.push_back("F" + parameters.EngravingFeed);
  if (parameters.SpindleControl) lines.push_back("M03");

  const std::vector<int> by_order = IndexByJobOrder(ws);
  for (std::size_t k = 1; k < by_order.size(); ++k) {
    const int i = by_order[k];
    if (i < 0) continue;
    host.PumpEvents();
    if (ws.StopRequest) {
      text.Stopped = true;
      break;
    }
    // Window events may have changed the table meanwhile: only what still holds position k.
    if (i >= ws.Table.ContourCount() || ws.Table[i].JobOrder != static_cast<int>(k)) continue;
    const Contour& c = ws.Table[i];
    if (engraving) {
      if (c.IsPad) {
        // The pad centre is spotted at engraving depth; its outline is not cut.
        Append(lines, FormatApproach(context, c.CenterX, c.CenterY));
      } else {
        Append(lines, FormatApproach(context, c.StartX, c.StartY));
        Append(lines, FormatPathMoves(context, c));
      }
    } else if (c.IsPad) {
      Append(lines, FormatDrillHole(context, c.CenterX, c.CenterY));
    }
  }

  lines.push_back("G00 Z" + parameters.RetractDistance);
  lines.push_back("G00 X0.000 Y0.000");
  if (parameters.SpindleControl) lines.push_back("M05");
  lines.push_back(engraving ? "M30  (Fin programme gravure)" : "M30  (Fin programme per\xC3\xA7" "age)");
  return text;
}

Status GenerateProgram(Workspace& ws, Host& host, const JobParameters& parameters, const std::string& chosen_name,
                       Program program, ProgramReport* report) {
  const std::string path = CompleteFileName(chosen_name, ".iso");
  OrderJob(ws, program == Program::Engraving ? JobMode::Engraving : JobMode::Drilling);
  ws.StopRequest = false;
  ws.EngravingBitmap.Fill(kWhite);
  host.RefreshView(View::Engraving);
  const ProgramText text = BuildProgram(ws, host, parameters, program);
  if (report != nullptr) *report = ProgramReport{path, text.Lines.size(), text.Stopped};
  return WriteLatin1LinesAtomically(path, text.Lines);
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

}  // namespace pistora
