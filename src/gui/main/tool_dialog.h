#pragma once

#include <QDialog>
#include <vector>

#include "core/artwork/hole_shape.h"
#include "core/artwork/threshold.h"
#include "core/artwork/tool_paths.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QSpinBox;

namespace pistora {

// What the windows do for a real tool: the width the useful contours are rebuilt for (the
// verification step's box), its passes, the holes recognised by their size once the scale is
// validated, and the threshold that makes grey or colour pictures black and white.
struct IsolationSettings {
  double tool_width_mm = 0.2;
  int passes = 1;
  double overlap = kDefaultOverlap;
  bool holes_by_size = false;  // at scale validation; off: pads by the point count, as before
  double hole_min_mm = kDefaultHoleMinMm;
  double hole_max_mm = kDefaultHoleMaxMm;
  double threshold_percent = kDefaultThresholdPercent;
};

// "Outil et isolation": the settings above (but the width), the list of the gaps narrower than
// the tool (a click asks for the engraving view centred on one) and the check of the last
// programs written. Not modal; every change is kept in the user's settings at once.
class ToolDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit ToolDialog(QWidget* parent = nullptr);

  // The boxes' values; `tool_width_mm` is the one last kept.
  IsolationSettings Settings() const;
  // Keeps the width of the verification step's box with the others.
  void KeepToolWidth(double tool_width_mm);
  // Sets the passes (the verification step has a box for them too).
  void SetPasses(int passes);

  // One entry per warning, in their order.
  void ShowWarnings(const std::vector<GapWarning>& warnings, double tool_width_mm);
  void ShowCheckLine(const QString& line);

 signals:
  void WarningChosen(int index);
  void PassesChanged(int passes);

 private:
  void Keep();

  double tool_width_mm_ = 0.2;
  QSpinBox* passes_spin_ = nullptr;
  QDoubleSpinBox* overlap_spin_ = nullptr;
  QCheckBox* holes_by_size_check_ = nullptr;
  QDoubleSpinBox* hole_min_spin_ = nullptr;
  QDoubleSpinBox* hole_max_spin_ = nullptr;
  QSpinBox* threshold_spin_ = nullptr;
  QListWidget* warnings_list_ = nullptr;
  QLabel* check_line_ = nullptr;
};

// The settings kept between runs (QSettings, group "outil"); values out of their ranges are
// dropped for the defaults.
IsolationSettings LoadIsolationSettings();
void SaveIsolationSettings(const IsolationSettings& settings);

// "Passage de 0.127 mm < outil 0.200 mm en X=12.345 Y=67.890" (program coordinates)
QString GapWarningCaption(const GapWarning& warning, double tool_width_mm);

}  // namespace pistora
