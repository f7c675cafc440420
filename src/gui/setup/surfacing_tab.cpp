// The table surfacing page of the parameter dialog: its controls and the three steps.
#include "gui/setup/surfacing_tab.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "core/machine/setup_motion.h"
#include "core/windows/machine_settings_controls.h"
#include "gui/adapters/numeric_key_filter_adapter.h"
#include "gui/adapters/prompts.h"
#include "gui/widgets/hold_arrow_button.h"
#include "gui/widgets/named_control.h"
#include "gui/widgets/stop_disc.h"

namespace pistora {

namespace {

using R = MachineSettingsControl;

// One surfacing value: caption, box (key mode 2, factory text) and its "mm".
struct ValueRow {
  R caption;
  R edit;
  R unit;
  const char* factory;
};

// In the order of SurfacingTexts.
constexpr ValueRow kValueRows[kSurfacingBoxCount] = {
    {R::kSurfaceOffsetXCaption, R::kSurfaceOffsetXEdit, R::kSurfaceOffsetXUnit, "17.25"},
    {R::kSurfaceOffsetYCaption, R::kSurfaceOffsetYEdit, R::kSurfaceOffsetYUnit, "12.25"},
    {R::kSurfaceSizeXCaption, R::kSurfaceSizeXEdit, R::kSurfaceSizeXUnit, "200.5"},
    {R::kSurfaceSizeYCaption, R::kSurfaceSizeYEdit, R::kSurfaceSizeYUnit, "150.5"},
    {R::kSurfacePassDepthCaption, R::kSurfacePassDepthEdit, R::kSurfacePassDepthUnit, "0.4"},
    {R::kSurfaceStepOverCaption, R::kSurfaceStepOverEdit, R::kSurfaceStepOverUnit, "1"},
};

QPushButton* Button(QWidget* parent, R role, QRect place) {
  return Named(new QPushButton(BuiltInCaptionOf(role), parent), role, place);
}

}  // namespace

SurfacingTab::SurfacingTab(SetupMotion& motion, Prompts& prompts, QWidget* parent)
    : QWidget(parent), motion_(motion), prompts_(prompts) {
  Named(this, R::kSurfacingPage);
  BuildLayout();
  ConnectHandlers();
  ApplyControls();
}

SurfacingTab::~SurfacingTab() = default;

void SurfacingTab::BuildLayout() {
  auto* group = Named(new QGroupBox(BuiltInCaptionOf(R::kSurfacingGroup), this), R::kSurfacingGroup, {4, 4, 292, 196});
  int y = 24;
  for (int i = 0; i < kSurfacingBoxCount; ++i) {
    const ValueRow& row = kValueRows[i];
    Named(new QLabel(BuiltInCaptionOf(row.caption), group), row.caption, {8, y + 2, 176, 16});
    QLineEdit* box = Named(new QLineEdit(QString::fromLatin1(row.factory), group), row.edit, {188, y, 64, 20});
    box->installEventFilter(new NumericKeyFilterAdapter(KeyMode::UnsignedDecimal, box));
    value_edits_[i] = box;
    Named(new QLabel(BuiltInCaptionOf(row.unit), group), row.unit, {258, y + 2, 28, 16});
    y += 28;
  }

  table_zero_button_ = Button(this, R::kTableZeroButton, {304, 8, 180, 26});
  Named(new QLabel(BuiltInCaptionOf(R::kZSettingCaption), this), R::kZSettingCaption, {304, 44, 130, 16});
  z_target_edit_ = Named(new QLineEdit(QStringLiteral("-30"), this), R::kZTargetEdit, {304, 66, 60, 20});
  z_target_edit_->installEventFilter(new NumericKeyFilterAdapter(KeyMode::SignedDecimal, z_target_edit_));
  approach_button_ = Button(this, R::kApproachButton, {370, 64, 70, 24});
  jog_up_button_ = Named(new HoldArrowButton(Qt::UpArrow, this), R::kJogUpButton, {448, 40, 32, 32});
  jog_down_button_ = Named(new HoldArrowButton(Qt::DownArrow, this), R::kJogDownButton, {448, 76, 32, 32});
  validate_z_button_ = Button(this, R::kValidateZButton, {304, 122, 180, 26});
  start_button_ = Button(this, R::kStartSurfacingButton, {304, 160, 180, 26});

  stop_disc_ = Named(new StopDisc(this), R::kStopDisc, {506, 8, 68, 68});
  Named(stop_disc_->Word(), R::kStopWord);
  reset_stop_button_ = Button(this, R::kResetStopButton, {514, 82, 52, 24});
}

void SurfacingTab::ConnectHandlers() {
  connect(table_zero_button_, &QPushButton::clicked, this, &SurfacingTab::ZeroTable);
  connect(approach_button_, &QPushButton::clicked, this, &SurfacingTab::ApproachZ);
  connect(validate_z_button_, &QPushButton::clicked, this, &SurfacingTab::ValidateZ);
  connect(start_button_, &QPushButton::clicked, this, &SurfacingTab::StartRun);
  connect(stop_disc_, &StopDisc::Pressed, this, &SurfacingTab::PressStop);
  connect(reset_stop_button_, &QPushButton::clicked, this, &SurfacingTab::ResetStop);
  // The Z arrows act as the machine window's own "haut" and "bas" while held.
  connect(jog_up_button_, &QAbstractButton::pressed, this, [this] { emit JogPressed(JogDirection::kHaut); });
  connect(jog_up_button_, &QAbstractButton::released, this, &SurfacingTab::JogReleased);
  connect(jog_down_button_, &QAbstractButton::pressed, this, [this] { emit JogPressed(JogDirection::kBas); });
  connect(jog_down_button_, &QAbstractButton::released, this, &SurfacingTab::JogReleased);
}

void SurfacingTab::ApplyControls() {
  const SurfacingControls on = page_.Controls();
  table_zero_button_->setEnabled(on.table_zero);
  z_target_edit_->setEnabled(on.z_target);
  approach_button_->setEnabled(on.approach);
  jog_up_button_->setEnabled(on.jog_up);
  jog_down_button_->setEnabled(on.jog_down);
  validate_z_button_->setEnabled(on.validate_z);
  start_button_->setEnabled(on.start_run);
}

// ---- Handlers ----------------------------------------------------------------------------------

// A step's outcome is shown when its motion has ended: at once when it ended within the call,
// otherwise when the motion thread's command has returned (`finish`, from the session's poll).
void SurfacingTab::AfterStep(const Status& status, const StepFinished& finish) {
  if (!status.ok() || !page_.StepUnderWay()) {
    finish(status);
  } else {
    ApplyControls();
  }
}

void SurfacingTab::ZeroTable() {
  const StepFinished finish = [this](const Status& status) {
    if (Report(status)) emit TargetsReset();
    ApplyControls();
  };
  AfterStep(SetTableZero(page_, motion_, Texts(), finish), finish);
}

void SurfacingTab::ApproachZ() {
  const char separator = QLocale().decimalPoint().at(0).toLatin1();
  const StepFinished finish = [this](const Status& status) { Report(status); };
  AfterStep(ApproachTable(page_, motion_, z_target_edit_->text().toStdString(), separator, finish), finish);
}

void SurfacingTab::ValidateZ() {
  const StepFinished finish = [this](const Status& status) {
    if (Report(status)) emit TargetZReset();
    ApplyControls();
  };
  AfterStep(ValidateTableHeight(page_, motion_, finish), finish);
}

void SurfacingTab::StartRun() {
  const StepFinished finish = [this](const Status& status) {
    Report(status);
    ApplyControls();
  };
  AfterStep(StartSurfacing(page_, motion_, motion_.CommandHost(), Texts(), [this] { ApplyControls(); }, finish),
            finish);
}

void SurfacingTab::PressStop() {
  motion_.LatchStop();
  stop_disc_->PaintRed();
}

void SurfacingTab::ResetStop() {
  motion_.ResetStopLatch();
  stop_disc_->PaintRing(QColor(255, 255, 0));
  page_.Reset();
  ApplyControls();
}

// ---- Helpers -----------------------------------------------------------------------------------

SurfacingTexts SurfacingTab::Texts() const {
  SurfacingTexts texts;
  for (int i = 0; i < kSurfacingBoxCount; ++i) texts[i] = value_edits_[i]->text().toStdString();
  return texts;
}

bool SurfacingTab::Report(const Status& status) {
  if (!status) prompts_.ShowError(QString::fromStdString(status.message()));
  return status.ok();
}

}  // namespace pistora
