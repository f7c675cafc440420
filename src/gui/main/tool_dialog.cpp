#include "gui/main/tool_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>

#include "core/windows/tool_dialog_controls.h"
#include "gui/adapters/translations.h"
#include "gui/widgets/named_control.h"
#include "gui/app/user_settings.h"

namespace pistora {
namespace {

using R = ToolDialogControl;

// Hole diameters the boxes offer, mm.
constexpr double kHoleBoxMinMm = 0.05;
constexpr double kHoleBoxMaxMm = 10.0;
constexpr double kMaxToolWidthMm = 5.0;

QDoubleSpinBox* DoubleBox(QWidget* parent, R role, double minimum, double maximum, double step, int decimals,
                          QRect place) {
  auto* box = Named(new QDoubleSpinBox(parent), role, place);
  box->setDecimals(decimals);
  box->setRange(minimum, maximum);
  box->setSingleStep(step);
  return box;
}

}  // namespace

ToolDialog::ToolDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QString::fromLatin1(ToolDialogControls().WindowName().data()));
  setWindowTitle(BuiltInCaptionOf(R::kWindow));
  setFixedSize(540, 440);
  const auto label = [this](R role, int y) { Named(new QLabel(BuiltInCaptionOf(role), this), role, {12, y, 410, 22}); };
  label(R::kPassesLabel, 12);
  passes_spin_ = Named(new QSpinBox(this), R::kPasses, {428, 12, 100, 22});
  passes_spin_->setRange(1, kMaxPasses);
  label(R::kOverlapLabel, 40);
  overlap_spin_ = DoubleBox(this, R::kOverlap, 0.0, kMaxOverlap, 0.05, 2, {428, 40, 100, 22});
  holes_by_size_check_ =
      Named(new QCheckBox(BuiltInCaptionOf(R::kHolesBySize), this), R::kHolesBySize, {12, 70, 516, 22});
  label(R::kHoleMinLabel, 98);
  hole_min_spin_ = DoubleBox(this, R::kHoleMin, kHoleBoxMinMm, kHoleBoxMaxMm, 0.1, 2, {428, 98, 100, 22});
  label(R::kHoleMaxLabel, 126);
  hole_max_spin_ = DoubleBox(this, R::kHoleMax, kHoleBoxMinMm, kHoleBoxMaxMm, 0.1, 2, {428, 126, 100, 22});
  label(R::kThresholdLabel, 156);
  threshold_spin_ = Named(new QSpinBox(this), R::kThreshold, {428, 156, 100, 22});
  threshold_spin_->setRange(1, 99);
  threshold_spin_->setSuffix(QStringLiteral(" %"));
  Named(new QLabel(BuiltInCaptionOf(R::kWarningsLabel), this), R::kWarningsLabel, {12, 188, 516, 22});
  warnings_list_ = Named(new QListWidget(this), R::kWarningsList, {12, 212, 516, 140});
  check_line_ = Named(new QLabel(this), R::kCheckLine, {12, 358, 516, 36});
  check_line_->setWordWrap(true);
  check_line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* close = Named(new QPushButton(BuiltInCaptionOf(R::kCloseButton), this), R::kCloseButton, {428, 400, 100, 30});
  connect(close, &QPushButton::clicked, this, &QDialog::hide);

  const IsolationSettings kept = LoadIsolationSettings();
  tool_width_mm_ = kept.tool_width_mm;
  passes_spin_->setValue(kept.passes);
  overlap_spin_->setValue(kept.overlap);
  holes_by_size_check_->setChecked(kept.holes_by_size);
  hole_min_spin_->setValue(kept.hole_min_mm);
  hole_max_spin_->setMinimum(kept.hole_min_mm);
  hole_max_spin_->setValue(kept.hole_max_mm);
  threshold_spin_->setValue(static_cast<int>(kept.threshold_percent));

  // The largest hole never goes below the smallest.
  connect(hole_min_spin_, &QDoubleSpinBox::valueChanged, hole_max_spin_, &QDoubleSpinBox::setMinimum);
  for (QSpinBox* box : {passes_spin_, threshold_spin_}) connect(box, &QSpinBox::valueChanged, this, &ToolDialog::Keep);
  for (QDoubleSpinBox* box : {overlap_spin_, hole_min_spin_, hole_max_spin_}) {
    connect(box, &QDoubleSpinBox::valueChanged, this, &ToolDialog::Keep);
  }
  connect(passes_spin_, &QSpinBox::valueChanged, this, &ToolDialog::PassesChanged);
  connect(holes_by_size_check_, &QCheckBox::toggled, this, &ToolDialog::Keep);
  connect(warnings_list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) emit WarningChosen(row);
  });
  connect(warnings_list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit WarningChosen(warnings_list_->row(item)); });
}

IsolationSettings ToolDialog::Settings() const {
  IsolationSettings settings;
  settings.tool_width_mm = tool_width_mm_;
  settings.passes = passes_spin_->value();
  settings.overlap = overlap_spin_->value();
  settings.holes_by_size = holes_by_size_check_->isChecked();
  settings.hole_min_mm = hole_min_spin_->value();
  settings.hole_max_mm = hole_max_spin_->value();
  settings.threshold_percent = threshold_spin_->value();
  return settings;
}

void ToolDialog::KeepToolWidth(double tool_width_mm) {
  tool_width_mm_ = tool_width_mm;
  Keep();
}

void ToolDialog::SetPasses(int passes) { passes_spin_->setValue(passes); }

void ToolDialog::Keep() { SaveIsolationSettings(Settings()); }

void ToolDialog::ShowWarnings(const std::vector<GapWarning>& warnings, double tool_width_mm) {
  const QSignalBlocker block(warnings_list_);
  warnings_list_->clear();
  for (const GapWarning& warning : warnings) warnings_list_->addItem(GapWarningCaption(warning, tool_width_mm));
}

void ToolDialog::ShowCheckLine(const QString& line) { check_line_->setText(line); }

IsolationSettings LoadIsolationSettings() {
  QSettings settings = UserSettings();
  settings.beginGroup(QStringLiteral("outil"));
  IsolationSettings kept;
  const IsolationSettings defaults;
  const auto in_range = [](double value, double low, double high, double fallback) {
    return value >= low && value <= high ? value : fallback;
  };
  kept.tool_width_mm = in_range(settings.value(QStringLiteral("largeur"), defaults.tool_width_mm).toDouble(), 0.0,
                                kMaxToolWidthMm, defaults.tool_width_mm);
  kept.passes = static_cast<int>(in_range(settings.value(QStringLiteral("passes"), defaults.passes).toInt(), 1,
                                          kMaxPasses, defaults.passes));
  kept.overlap = in_range(settings.value(QStringLiteral("recouvrement"), defaults.overlap).toDouble(), 0.0,
                          kMaxOverlap, defaults.overlap);
  kept.holes_by_size = settings.value(QStringLiteral("trous_par_taille"), defaults.holes_by_size).toBool();
  kept.hole_min_mm = in_range(settings.value(QStringLiteral("trou_min"), defaults.hole_min_mm).toDouble(),
                              kHoleBoxMinMm, kHoleBoxMaxMm, defaults.hole_min_mm);
  kept.hole_max_mm = in_range(settings.value(QStringLiteral("trou_max"), defaults.hole_max_mm).toDouble(),
                              kept.hole_min_mm, kHoleBoxMaxMm, std::max(kept.hole_min_mm, defaults.hole_max_mm));
  kept.threshold_percent = in_range(settings.value(QStringLiteral("seuil"), defaults.threshold_percent).toDouble(),
                                    1.0, 99.0, defaults.threshold_percent);
  return kept;
}

void SaveIsolationSettings(const IsolationSettings& kept) {
  QSettings settings = UserSettings();
  settings.beginGroup(QStringLiteral("outil"));
  settings.setValue(QStringLiteral("largeur"), kept.tool_width_mm);
  settings.setValue(QStringLiteral("passes"), kept.passes);
  settings.setValue(QStringLiteral("recouvrement"), kept.overlap);
  settings.setValue(QStringLiteral("trous_par_taille"), kept.holes_by_size);
  settings.setValue(QStringLiteral("trou_min"), kept.hole_min_mm);
  settings.setValue(QStringLiteral("trou_max"), kept.hole_max_mm);
  settings.setValue(QStringLiteral("seuil"), kept.threshold_percent);
}

QString GapWarningCaption(const GapWarning& warning, double tool_width_mm) {
  return TrMessage("Passage de %1 mm < outil %2 mm en X=%3 Y=%4")
      .arg(warning.gap_mm, 0, 'f', 3)
      .arg(tool_width_mm, 0, 'f', 3)
      .arg(warning.x_mm, 0, 'f', 3)
      .arg(warning.y_mm, 0, 'f', 3);
}

}  // namespace pistora
