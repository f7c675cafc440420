#include "gui/adapters/translations.h"
#include "gui/setup/machine_settings_dialog.h"

#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

#include "core/settings/machine_parameters.h"
#include "gui/adapters/prompts.h"
#include "gui/adapters/settings_files.h"
#include "core/machine/tick_calibration.h"
#include "core/windows/machine_settings_controls.h"
#include "hw/steady_clock.h"
#include "gui/setup/surfacing_tab.h"
#include "gui/widgets/named_control.h"

namespace pistora {

namespace {

using R = MachineSettingsControl;

}  // namespace

MachineSettingsDialog::MachineSettingsDialog(Prompts& prompts, SetupMotion& motion, QString folder, QWidget* parent)
    : QDialog(parent), prompts_(prompts), motion_(motion), folder_(std::move(folder)) {
  const std::string_view window_name = MachineSettingsControls().WindowName();
  setObjectName(QString::fromLatin1(window_name.data(), static_cast<qsizetype>(window_name.size())));
  setWindowTitle(BuiltInCaptionOf(R::kWindow));
  setModal(false);
  setFixedSize(603, 300);

  pages_ = Named(new QTabWidget(this), R::kPages, {4, 4, 595, 256});
  auto page = [this](R role) {
    auto* sheet = Named(new QWidget(pages_), role);
    pages_->addTab(sheet, BuiltInCaptionOf(role));
    return sheet;
  };
  inputs_outputs_page_ = page(R::kInputsOutputsPage);
  axes_page_ = page(R::kAxesPage);
  surfacing_page_ = new SurfacingTab(motion, prompts_, pages_);
  pages_->addTab(surfacing_page_, BuiltInCaptionOf(R::kSurfacingPage));
  copper_page_ = page(R::kCopperPage);

  BuildInputsOutputsPage();
  BuildAxesPage();
  BuildCopperPage();
  BuildButtons();
  InstallKeyModes(axes_page_);
  InstallKeyModes(copper_page_);
  ConnectHandlers();

  WriteControls(FactoryDialogValues());
}

void MachineSettingsDialog::ConnectHandlers() {
  for (const ParameterDialogControl& control : ParameterDialogControls()) {
    if (control.kind != DialogControlKind::List) continue;
    auto* list = FindControl<QComboBox>(*this, control.role);
    connect(list, &QComboBox::currentIndexChanged, this, [this, list] { ColourList(list); });
  }
  connect(restore_button_, &QPushButton::clicked, this, &MachineSettingsDialog::RestoreFromFile);
  connect(cancel_button_, &QPushButton::clicked, this, &MachineSettingsDialog::close);
  connect(confirm_button_, &QPushButton::clicked, this, &MachineSettingsDialog::SaveAndLeave);
  connect(measure_tick_button_, &QPushButton::clicked, this, &MachineSettingsDialog::MeasureTick);
}

QString MachineSettingsDialog::ParameterFilePath() const {
  return SettingsReadPath(kMachineParameterFileName, folder_);
}

void MachineSettingsDialog::ShowPage(int page) {
  show();
  raise();
  pages_->setCurrentIndex(page);
}

// ---- Controls <-> values ----------------------------------------------------------------------

ParameterDialogValues MachineSettingsDialog::ReadControls() const {
  ParameterDialogValues values;
  for (int i = 0; i < kMachineParameterLineCount; ++i) {
    const ParameterDialogControl& control = ParameterDialogControls()[i];
    switch (control.kind) {
      case DialogControlKind::List:
        if (auto* list = FindControl<QComboBox>(*this, control.role)) values[i].index = list->currentIndex();
        break;
      case DialogControlKind::Check:
        if (auto* box = FindControl<QCheckBox>(*this, control.role)) values[i].checked = box->isChecked();
        break;
      case DialogControlKind::Edit:
        if (auto* box = FindControl<QLineEdit>(*this, control.role)) values[i].text = box->text().toStdString();
        break;
    }
  }
  return values;
}

void MachineSettingsDialog::WriteControls(const ParameterDialogValues& values) {
  for (int i = 0; i < kMachineParameterLineCount; ++i) {
    const ParameterDialogControl& control = ParameterDialogControls()[i];
    switch (control.kind) {
      case DialogControlKind::List:
        if (auto* list = FindControl<QComboBox>(*this, control.role)) {
          list->setCurrentIndex(values[i].index);
          ColourList(list);  // also when the index did not change
        }
        break;
      case DialogControlKind::Check:
        if (auto* box = FindControl<QCheckBox>(*this, control.role)) box->setChecked(values[i].checked);
        break;
      case DialogControlKind::Edit:
        if (auto* box = FindControl<QLineEdit>(*this, control.role)) box->setText(QString::fromStdString(values[i].text));
        break;
    }
  }
}

QColor MachineSettingsDialog::ListColourOf(const QComboBox* list) { return list->palette().color(QPalette::Button); }

// ---- Handlers -----------------------------------------------------------------------------------

void MachineSettingsDialog::ColourList(QComboBox* list) {
  const ListRgb rgb = ListColour(list->currentIndex());
  const QColor colour(rgb.r, rgb.g, rgb.b);
  QPalette palette = list->palette();
  palette.setColor(QPalette::Button, colour);
  palette.setColor(QPalette::Base, colour);
  list->setPalette(palette);
}

void MachineSettingsDialog::Load(bool asked) {
  ParameterDialogValues values = ReadControls();
  const ParameterDialogLoad load = LoadParameterDialogFile(ParameterFilePath().toStdString(), &values);
  WriteControls(values);
  if (load.Clean()) {
    load_report_.Rearm();
    return;
  }
  const std::string message = load.Message();
  if (!load_report_.ShouldReport(message, asked)) return;
  if (load.status.ok()) {
    prompts_.ShowInfo(QString::fromStdString(message));
  } else {
    prompts_.ShowError(QString::fromStdString(message));
  }
}

void MachineSettingsDialog::ReloadOnActivation() {
  if (keep_edits_) return;
  Load(false);
}

void MachineSettingsDialog::RestoreFromFile() {
  keep_edits_ = false;
  Load(true);
}

void MachineSettingsDialog::SaveAndLeave() {
  // The values are taken before any message box: returning from one re-activates the dialog.
  const ParameterDialogValues values = ReadControls();
  keep_edits_ = true;
  const std::string warnings = SaveWarningsMessage(ParameterSaveWarnings(values));
  if (!warnings.empty()) prompts_.ShowInfo(QString::fromStdString(warnings));
  const Status saved = SaveMachineParameters(SettingsWritePath(kMachineParameterFileName, folder_).toStdString(), DialogValuesToFile(values));
  if (!saved) {
    // The dialog stays open with the edits, and activation leaves them alone until they are
    // saved, restored or the dialog is left.
    WriteControls(values);
    prompts_.ShowError(QString::fromStdString(saved.message()));
    return;
  }
  keep_edits_ = false;
  close();
}

// ---- Window events ------------------------------------------------------------------------------

bool MachineSettingsDialog::event(QEvent* event) {
  const bool handled = QDialog::event(event);
  if (event->type() == QEvent::WindowActivate) ReloadOnActivation();
  return handled;
}

void MachineSettingsDialog::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    if (QScreen* on = screen()) move(on->availableGeometry().center() - rect().center());
  }
  QDialog::showEvent(event);
}

void MachineSettingsDialog::hideEvent(QHideEvent* event) {
  // Shown again later, the dialog reads cn.dat afresh and tells of its faults anew.
  load_report_.Rearm();
  keep_edits_ = false;
  QDialog::hideEvent(event);
}

void MachineSettingsDialog::MeasureTick() {
  // One second of ticks on this thread at normal priority, without the port: what this computer
  // gives a move at the least. The machine must stand still meanwhile.
  if (motion_.Busy()) {
    prompts_.ShowError(TrMessage("La machine est en mouvement : mesurer quand elle est arrêtée."));
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  SteadyClock clock(false);
  const TickCalibration calibration = CalibrateTick(clock, nullptr, 0, 1000000);
  QApplication::restoreOverrideCursor();
  if (calibration.high_resolution) {
    if (auto* box = FindControl<QLineEdit>(*this, MachineSettingsControl::kTickWaitEdit)) {
      box->setText(QString::number(calibration.proposed_tick_wait_us));
      keep_edits_ = true;  // a proposal to save with "&Valider / Sortir"
    }
  }
  prompts_.ShowInfo(QString::fromStdString(CalibrationReport(calibration)));
}

}  // namespace pistora
