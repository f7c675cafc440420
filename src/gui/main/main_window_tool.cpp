// The real tool: useful contours rebuilt at its radius, the narrow gaps listed and marked, the
// pads by their size once the scale is validated, and the check of the programs written.
#include <QDoubleSpinBox>
#include <QScrollBar>
#include <QSpinBox>

#include "core/artwork/gap_marks.h"
#include "core/artwork/hole_shape.h"
#include "core/artwork/verification.h"
#include "core/artwork/view_geometry.h"
#include "core/job/program_cuts.h"
#include "core/machine/iso_program.h"
#include "gui/adapters/translations.h"
#include "gui/adapters/prompts.h"
#include "gui/main/main_window.h"
#include "gui/main/tool_dialog.h"

namespace pistora {

void MainWindow::RebuildForTool() {
  if (busy_) return;
  if (!artwork_loaded_) {
    prompts_.ShowError(TrMessage(
        "Le typon d'origine n'est pas chargé : les contours ne peuvent être recalculés pour l'outil qu'à partir "
        "du typon (chargez-le et traitez-le)."));
    return;
  }
  const double width_mm = tool_width_spin_->value();
  tool_dialog_->KeepToolWidth(width_mm);
  IsolationSettings settings = tool_dialog_->Settings();
  RunLongOperation([&] {
    // A second press replaces the paths of the first: its outer passes are dropped, each island's
    // path (the longest useful contour) is rebuilt in place, every flag stays.
    std::vector<Contour>& items = work_.Table.items;
    // (Only while the table is the one that press left: a new processing made another.)
    if (tool_added_contours_ > 0 && static_cast<int>(items.size()) == tool_table_size_) {
      items.resize(items.size() - static_cast<std::size_t>(tool_added_contours_));
    }
    const ToolPathReport report =
        RebuildContoursForTool(work_, ToolPathSettings{width_mm, settings.passes, settings.overlap});
    tool_added_contours_ = report.added;
    tool_table_size_ = work_.Table.ContourCount();
    applied_tool_width_mm_ = width_mm;
    gap_warnings_ = report.warnings;
    const int selected = contour_number_spin_->value();
    SetContourRange();
    RedrawWithGapMarks();
    if (selected < work_.Table.ContourCount()) SelectContourNumber(selected);
  });
  tool_dialog_->ShowWarnings(gap_warnings_, applied_tool_width_mm_);
  if (!gap_warnings_.empty()) OpenToolSettings();
}

void MainWindow::OpenToolSettings() {
  // Opens beside the main window, so that the list and the view are seen together.
  if (!tool_dialog_->isVisible()) tool_dialog_->move(frameGeometry().topRight() + QPoint(8, 0));
  tool_dialog_->show();
  tool_dialog_->raise();
}

void MainWindow::CentreOnGapWarning(int index) {
  if (index < 0 || index >= static_cast<int>(gap_warnings_.size()) || !(work_.PixelSizeMm > 0.0)) return;
  const GapPixel place =
      GapWarningPixel(gap_warnings_[static_cast<std::size_t>(index)], work_.PixelSizeMm, work_.EngravingBitmap.Height());
  CentreViewOn(View::Engraving, PixelPoint{place.x, place.row});
}

void MainWindow::RedrawWithGapMarks() {
  VerifyView(work_, host_, drill_mark_size_spin_->value());
  if (gap_warnings_.empty()) return;
  MarkGapWarnings(work_.EngravingBitmap, gap_warnings_, work_.PixelSizeMm);
  ShowEngravingView();
}

void MainWindow::ForgetToolPaths() {
  applied_tool_width_mm_ = 0.0;
  tool_added_contours_ = 0;
  tool_table_size_ = 0;
  gap_warnings_.clear();
  hand_flagged_.clear();
  last_engraving_program_.clear();
  last_drilling_programs_.clear();
  tool_dialog_->ShowWarnings(gap_warnings_, 0.0);
  tool_dialog_->ShowCheckLine(QString());
}

void MainWindow::ClassifyHolesIfAsked() {
  const IsolationSettings settings = tool_dialog_->Settings();
  if (!settings.holes_by_size || !(work_.PixelSizeMm > 0.0)) return;
  ClassifyHolesBySize(work_, settings.hole_min_mm, settings.hole_max_mm, hand_flagged_);
}

void MainWindow::ShowProgramCheck(QString text) {
  if (applied_tool_width_mm_ > 0.0 && !last_engraving_program_.empty()) {
    std::vector<std::string> engraving;
    std::vector<std::string> drilling;
    Status status = LoadIsoProgram(last_engraving_program_, &engraving);
    for (const std::string& path : last_drilling_programs_) {
      std::vector<std::string> lines;
      if (status) status = LoadIsoProgram(path, &lines);
      drilling.insert(drilling.end(), lines.begin(), lines.end());
    }
    const QString line =
        status ? QString::fromStdString(IsolationReportText(CheckProgramLines(
                     work_.ArtworkBitmap, work_.PixelSizeMm, applied_tool_width_mm_, engraving, drilling)))
               : QString::fromStdString(status.message());
    tool_dialog_->ShowCheckLine(line);
    text += (text.isEmpty() ? QString() : QStringLiteral("\n\n")) + line;
  }
  if (!text.isEmpty()) prompts_.ShowInfo(text);
}

}  // namespace pistora
