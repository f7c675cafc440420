// The parameter dialog's controls and their places in the fixed 603 x 300 window.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "core/windows/machine_settings_controls.h"
#include "gui/adapters/numeric_key_filter_adapter.h"
#include "gui/setup/machine_settings_dialog.h"
#include "gui/widgets/named_control.h"

namespace pistora {

namespace {

using R = MachineSettingsControl;

QLabel* Caption(QWidget* parent, R role, int x, int y, int w) {
  return Named(new QLabel(BuiltInCaptionOf(role), parent), role, {x, y, w, 18});
}

QGroupBox* Group(QWidget* parent, R role, int x, int y, int w, int h) {
  return Named(new QGroupBox(BuiltInCaptionOf(role), parent), role, {x, y, w, h});
}

// A fixed drop-down list of one of the three kinds.
QComboBox* List(QWidget* parent, R role, DialogListKind kind, int x, int y, int w) {
  auto* list = Named(new QComboBox(parent), role);
  list->setEditable(false);
  for (const std::string& item : DialogListItems(kind)) list->addItem(QString::fromStdString(item));
  list->setGeometry(x, y, w, 22);
  return list;
}

// One signal: caption, pin list and polarity.
struct SignalRow {
  R caption;
  R list;
  R inverted;
};

void Signals(QGroupBox* group, DialogListKind kind, std::initializer_list<SignalRow> rows, int first_y, int step,
             int label_w, int list_w) {
  int y = first_y;
  for (const SignalRow& row : rows) {
    Caption(group, row.caption, 8, y + 2, label_w);
    List(group, row.list, kind, 10 + label_w, y, list_w);
    Named(new QCheckBox(BuiltInCaptionOf(row.inverted), group), row.inverted, {16 + label_w + list_w, y, 74, 22});
    y += step;
  }
}

// A value row: caption, box and unit.
struct ValueRow {
  R caption;
  R edit;
  R unit;
};

void Values(QWidget* group, std::initializer_list<ValueRow> rows, std::initializer_list<int> ys, int label_w,
            int box_w, int unit_w) {
  const int* y = ys.begin();
  for (const ValueRow& row : rows) {
    Caption(group, row.caption, 8, *y + 1, label_w);
    Named(new QLineEdit(group), row.edit, {10 + label_w, *y, box_w, 20});
    Caption(group, row.unit, 16 + label_w + box_w, *y + 1, unit_w);
    ++y;
  }
}

}  // namespace

void MachineSettingsDialog::BuildInputsOutputsPage() {
  QWidget* page = inputs_outputs_page_;
  QGroupBox* port = Group(page, R::kPortGroup, 4, 2, 312, 50);
  Caption(port, R::kPortCaption, 8, 22, 104);
  List(port, R::kPortList, DialogListKind::Port, 116, 20, 180);

  Signals(Group(page, R::kInputsGroup, 4, 56, 312, 160), DialogListKind::Input,
          {{R::kEmergencyStopCaption, R::kEmergencyStopList, R::kEmergencyStopInverted},
           {R::kLimitXCaption, R::kLimitXList, R::kLimitXInverted},
           {R::kLimitYCaption, R::kLimitYList, R::kLimitYInverted},
           {R::kLimitZCaption, R::kLimitZList, R::kLimitZInverted},
           {R::kProbeCaption, R::kProbeList, R::kProbeInverted}},
          20, 27, 92, 126);

  Signals(Group(page, R::kOutputsGroup, 320, 2, 265, 214), DialogListKind::Output,
          {{R::kStepXCaption, R::kStepXList, R::kStepXInverted},
           {R::kDirXCaption, R::kDirXList, R::kDirXInverted},
           {R::kStepYCaption, R::kStepYList, R::kStepYInverted},
           {R::kDirYCaption, R::kDirYList, R::kDirYInverted},
           {R::kStepZCaption, R::kStepZList, R::kStepZInverted},
           {R::kDirZCaption, R::kDirZList, R::kDirZInverted},
           {R::kSpindleCaption, R::kSpindleList, R::kSpindleInverted}},
          20, 27, 62, 112);
}

void MachineSettingsDialog::BuildAxesPage() {
  QWidget* page = axes_page_;
  Values(Group(page, R::kScrewsGroup, 4, 2, 292, 100),
         {{R::kStepsPerMmXCaption, R::kStepsPerMmXEdit, R::kStepsPerMmXUnit},
          {R::kStepsPerMmYCaption, R::kStepsPerMmYEdit, R::kStepsPerMmYUnit},
          {R::kStepsPerMmZCaption, R::kStepsPerMmZEdit, R::kStepsPerMmZUnit}},
         {20, 46, 72}, 60, 80, 120);

  Values(Group(page, R::kFeedsGroup, 300, 2, 285, 100),
         {{R::kMaxFeedCaption, R::kMaxFeedEdit, R::kMaxFeedUnit},
          {R::kWorkFeedCaption, R::kWorkFeedEdit, R::kWorkFeedUnit}},
         {26, 56}, 160, 46, 56);

  QGroupBox* pulses = Group(page, R::kPulsesGroup, 4, 106, 581, 110);
  Values(pulses,
         {{R::kMinPulseCaption, R::kMinPulseEdit, R::kMinPulseUnit},
          {R::kTickWaitCaption, R::kTickWaitEdit, R::kTickWaitUnit}},
         {20, 44}, 272, 60, 30);
  // The hint stands beside the tick wait, under its unit.
  Caption(pulses, R::kTickWaitHint, 268, 66, 306);
  measure_tick_button_ =
      Named(new QPushButton(BuiltInCaptionOf(R::kMeasureTickButton), pulses), R::kMeasureTickButton, {420, 40, 150, 24});
  Values(pulses, {{R::kLimitBackOffCaption, R::kLimitBackOffEdit, R::kLimitBackOffUnit}}, {86}, 272, 60, 30);
}

void MachineSettingsDialog::BuildCopperPage() {
  QWidget* page = copper_page_;
  Values(Group(page, R::kPlateSizeGroup, 4, 2, 292, 100),
         {{R::kPlateSizeXCaption, R::kPlateSizeXEdit, R::kPlateSizeXUnit},
          {R::kPlateSizeYCaption, R::kPlateSizeYEdit, R::kPlateSizeYUnit},
          {R::kPlateThicknessCaption, R::kPlateThicknessEdit, R::kPlateThicknessUnit}},
         {20, 46, 72}, 110, 80, 30);

  Values(Group(page, R::kPlatePositionGroup, 300, 2, 285, 160),
         {{R::kPlateBorderXCaption, R::kPlateBorderXEdit, R::kPlateBorderXUnit},
          {R::kPlateBorderYCaption, R::kPlateBorderYEdit, R::kPlateBorderYUnit},
          {R::kPlateOriginXCaption, R::kPlateOriginXEdit, R::kPlateOriginXUnit},
          {R::kPlateOriginYCaption, R::kPlateOriginYEdit, R::kPlateOriginYUnit},
          {R::kCopyGapCaption, R::kCopyGapEdit, R::kCopyGapUnit}},
         {20, 46, 72, 98, 124}, 150, 70, 30);
}

void MachineSettingsDialog::BuildButtons() {
  auto button = [this](R role, int x) {
    auto* b = Named(new QPushButton(BuiltInCaptionOf(role), this), role, {x, 266, 140, 28});
    b->setAutoDefault(false);
    return b;
  };
  restore_button_ = button(R::kRestoreButton, 151);
  cancel_button_ = button(R::kCancelButton, 303);
  confirm_button_ = button(R::kConfirmButton, 455);
}

void MachineSettingsDialog::InstallKeyModes(QWidget* page) {
  for (const ParameterDialogControl& control : ParameterDialogControls()) {
    if (control.kind != DialogControlKind::Edit) continue;
    if (auto* box = FindControl<QLineEdit>(*page, control.role)) {
      box->installEventFilter(new NumericKeyFilterAdapter(control.mode, box));
    }
  }
}

}  // namespace pistora
