#include "gui/main/program_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include "core/windows/program_options_controls.h"
#include "gui/adapters/prompts.h"
#include "gui/widgets/named_control.h"
#include "gui/app/user_settings.h"

namespace pistora {
namespace {

using R = ProgramOptionsControl;

// The list's entries, in this order.
constexpr Dialect kDialects[] = {Dialect::Pistora, Dialect::LinuxCnc, Dialect::Grbl};
constexpr const char* kDialectCaptions[] = {"Pistora (ce programme)", "LinuxCNC", "GRBL"};

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string Utf8(const QString& text) { return text.trimmed().toStdString(); }

}  // namespace

ProgramOptionsDialog::ProgramOptionsDialog(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
  setObjectName(QString::fromLatin1(ProgramOptionsControls().WindowName().data()));
  setWindowTitle(BuiltInCaptionOf(R::kWindow));
  setFixedSize(420, 214);
  const auto label = [this](R role, int y) {
    Named(new QLabel(BuiltInCaptionOf(role), this), role, {12, y, 230, 22});
  };
  label(R::kDialectLabel, 12);
  dialect_list_ = Named(new QComboBox(this), R::kDialectList, {248, 12, 160, 24});
  for (const char* caption : kDialectCaptions) dialect_list_->addItem(QString::fromUtf8(caption));
  label(R::kSpindleRpmLabel, 44);
  spindle_rpm_edit_ = Named(new QLineEdit(this), R::kSpindleRpm, {248, 44, 80, 22});
  label(R::kTravelHeightLabel, 72);
  travel_height_edit_ = Named(new QLineEdit(this), R::kTravelHeight, {248, 72, 80, 22});
  travel_height_edit_->setPlaceholderText(QString::fromUtf8("retrait"));
  label(R::kDrillsLabel, 100);
  drills_edit_ = Named(new QLineEdit(this), R::kDrills, {248, 100, 160, 22});
  improved_order_check_ = Named(new QCheckBox(BuiltInCaptionOf(R::kImprovedOrder), this), R::kImprovedOrder,
                                {12, 130, 396, 22});
  auto* confirm = Named(new QPushButton(BuiltInCaptionOf(R::kConfirmButton), this), R::kConfirmButton,
                        {196, 172, 100, 30});
  auto* cancel = Named(new QPushButton(BuiltInCaptionOf(R::kCancelButton), this), R::kCancelButton,
                       {308, 172, 100, 30});
  confirm->setDefault(true);
  connect(confirm, &QPushButton::clicked, this, &ProgramOptionsDialog::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ProgramOptionsDialog::Open(const ProgramOptions& options) {
  for (int i = 0; i < static_cast<int>(std::size(kDialects)); ++i) {
    if (kDialects[i] == options.TargetDialect) dialect_list_->setCurrentIndex(i);
  }
  spindle_rpm_edit_->setText(Text(options.SpindleRpm));
  travel_height_edit_->setText(Text(options.TravelHeight));
  drills_edit_->setText(Text(options.Drills));
  improved_order_check_->setChecked(options.ImprovedOrder);
  show();
  raise();
}

ProgramOptions ProgramOptionsDialog::OptionsFromControls() const {
  ProgramOptions options;
  options.TargetDialect = kDialects[std::max(0, dialect_list_->currentIndex())];
  options.SpindleRpm = Utf8(spindle_rpm_edit_->text());
  options.TravelHeight = Utf8(travel_height_edit_->text());
  options.Drills = Utf8(drills_edit_->text());
  options.ImprovedOrder = improved_order_check_->isChecked();
  return options;
}

void ProgramOptionsDialog::Confirm() {
  const ProgramOptions options = OptionsFromControls();
  if (const Status status = CheckProgramOptions(options); !status) {
    prompts_.ShowError(QString::fromStdString(status.message()));
    return;
  }
  emit OptionsConfirmed(options);
  accept();
}

ProgramOptions LoadProgramOptions() {
  QSettings settings = UserSettings();
  settings.beginGroup(QStringLiteral("programmes"));
  ProgramOptions options;
  if (const auto dialect = ParseDialect(Utf8(settings.value(QStringLiteral("dialect")).toString()))) {
    options.TargetDialect = *dialect;
  }
  options.SpindleRpm = Utf8(settings.value(QStringLiteral("spindle_rpm"), Text(options.SpindleRpm)).toString());
  options.TravelHeight = Utf8(settings.value(QStringLiteral("travel_height")).toString());
  options.Drills = Utf8(settings.value(QStringLiteral("drills")).toString());
  options.ImprovedOrder = settings.value(QStringLiteral("improved_order"), false).toBool();
  // A hand-edited value that no program could take: the defaults, as on a first run.
  if (!CheckProgramOptions(options)) return ProgramOptions{};
  return options;
}

void SaveProgramOptions(const ProgramOptions& options) {
  QSettings settings = UserSettings();
  settings.beginGroup(QStringLiteral("programmes"));
  settings.setValue(QStringLiteral("dialect"), QString::fromLatin1(DialectName(options.TargetDialect)));
  settings.setValue(QStringLiteral("spindle_rpm"), Text(options.SpindleRpm));
  settings.setValue(QStringLiteral("travel_height"), Text(options.TravelHeight));
  settings.setValue(QStringLiteral("drills"), Text(options.Drills));
  settings.setValue(QStringLiteral("improved_order"), options.ImprovedOrder);
}

}  // namespace pistora
