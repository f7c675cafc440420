// The "Code ISO" box of the machine window: loading, analysing and running the programs, the
// copies on X and Y, and the mode shown in the "Fonction" box.
#include <QFile>
#include <QPointer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <memory>
#include <optional>

#include "core/machine/engine_iso_motion.h"
#include "core/machine/job_run.h"
#include "core/machine/iso_program.h"
#include "core/text/numbers.h"
#include "core/machine/machine_session.h"
#include "gui/adapters/translations.h"
#include "gui/adapters/prompts.h"
#include "gui/app/language_applier.h"
#include "gui/machine/live_job_view.h"
#include "gui/machine/machine_pictures.h"
#include "gui/machine/machine_window.h"

namespace pistora {

namespace {

constexpr const char* kEngravingFilter = "Fichier programme ISO ( *.ISO )|*.ISO";
constexpr const char* kDrillingFilter = "Fichier programme ISO ( *.ISO )|*.iso";

// Both spellings of the extension are listed where names are case-sensitive.
QString IsoFilter(const char* pairs) {
  QString filter = QtFilterFromPairs(TrMessage(pairs));
  const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
  if (open >= 0) filter = filter.left(open) + QStringLiteral("(*.ISO *.iso)");
  return filter;
}

// A chosen name without the extension anywhere gets ".ISO".
QString WithIsoExtension(const QString& path) {
  if (path.isEmpty() || path.contains(QStringLiteral(".iso"), Qt::CaseInsensitive)) return path;
  return path + QStringLiteral(".ISO");
}

}  // namespace

void MachineWindow::LoadEngravingProgramFile() {
  if (session_.Busy()) return;
  const QString path = prompts_.OpenFileName(QString(), IsoFilter(kEngravingFilter));
  if (!path.isEmpty()) LoadEngravingProgram(WithIsoExtension(path));
}

void MachineWindow::LoadDrillingProgramFile() {
  if (engraving_file_.isEmpty()) return;
  const QString path = prompts_.OpenFileName(QString(), IsoFilter(kDrillingFilter));
  if (!path.isEmpty()) LoadDrillingProgram(WithIsoExtension(path));
}

bool MachineWindow::LoadEngravingProgram(const QString& path) {
  std::vector<std::string> lines;
  if (const Status loaded = LoadMachineProgram(QFile::encodeName(path).toStdString(), &lines); !loaded) {
    prompts_.ShowError(QString::fromStdString(loaded.message()));
    return false;
  }
  engraving_file_ = path;
  engraving_file_label_->setText(path);
  MachineState& state = session_.State();
  session_.SetProgramRunning(true);
  const IsoAnalysis analysis = AnalyseIsoProgram(
      lines, ToolPosition{}, state.WorkFeed, session_.AnalysisHost(), state.StopFlag,
      [this](long line, long count, const std::string& message) {
        progress_bar_->setMaximum(static_cast<int>(std::max<long>(count, 1)));
        progress_bar_->setValue(static_cast<int>(line));
        ShowMessage(message);
      });
  session_.SetProgramRunning(false);
  session_.SetJobExtent(analysis.extent_x, analysis.extent_y);
  engraving_path_ = std::make_shared<const ProgramPath>(BuildProgramPath(lines));
  drilling_path_.reset();
  resume_point_.reset();
  ShowResumeState();
  program_length_ = analysis.length;
  program_end_ = analysis.end;
  ShowProgramInfo();
  if (!analysis.status) ShowMessage(analysis.status.message());
  copies_x_spin_->setValue(1);
  copies_y_spin_->setValue(1);
  ShowRepetition();
  live_view_->Fit();  // a new board: all of it in view
  OnEngravingLoaded(session_.ProgramButtons());
  drilling_file_.clear();
  drilling_file_label_->clear();
  drilling_mode_ = false;
  ShowMode(QStringLiteral("Gravure"));
  ApplyButtonStates();
  return true;
}

bool MachineWindow::LoadDrillingProgram(const QString& path) {
  if (engraving_file_.isEmpty()) return false;
  if (!QFile::exists(path)) {
    prompts_.ShowError(TrMessage("Fichier introuvable : %1").arg(path));
    return false;
  }
  std::vector<std::string> lines;
  if (const Status loaded = LoadMachineProgram(QFile::encodeName(path).toStdString(), &lines); !loaded) {
    prompts_.ShowError(QString::fromStdString(loaded.message()));
    return false;
  }
  drilling_file_ = path;
  drilling_file_label_->setText(path);
  drilling_path_ = std::make_shared<const ProgramPath>(BuildProgramPath(lines));
  RefreshLiveJob();
  return true;
}

void MachineWindow::ShowProgramInfo() {
  size_x_value_->setText(QString::fromStdString(FormatFixed(session_.ExtentX(), 3)));
  size_y_value_->setText(QString::fromStdString(FormatFixed(session_.ExtentY(), 3)));
  length_value_->setText(QString::fromStdString(FormatFixed(program_length_, 3)));
  ShowEstimate();
}

void MachineWindow::ShowEstimate() {
  const CopyGrid grid{copies_x_spin_->value(), copies_y_spin_->value(), session_.ExtentX(), session_.ExtentY(),
                      session_.State().Parameters.CopyGap};
  const double length = StartSequenceLength(grid, program_length_, program_end_);
  time_value_->setText(QString::fromStdString(
      FormatHoursMinutesSeconds(EstimatedProgramSeconds(length, session_.State().WorkFeed))));
}

void MachineWindow::CopiesChanged() {
  ShowRepetition();
  ShowEstimate();
}

void MachineWindow::ShowRepetition() {
  const MachineParameters& p = session_.State().Parameters;
  session_.SetCopies(copies_x_spin_->value(), copies_y_spin_->value());
  const JobSize total = session_.RepetitionTotal();
  const bool fits_x = RepetitionFits(total.width_mm, p.PlateSizeX, p.PlateBorderX);
  const bool fits_y = RepetitionFits(total.height_mm, p.PlateSizeY, p.PlateBorderY);
  total_x_label_->setText(QString::fromStdString(FormatGeneral(total.width_mm)));
  total_y_label_->setText(QString::fromStdString(FormatGeneral(total.height_mm)));
  total_x_label_->setStyleSheet(fits_x ? QStringLiteral("color: black;") : QStringLiteral("color: red;"));
  total_y_label_->setStyleSheet(fits_y ? QStringLiteral("color: black;") : QStringLiteral("color: red;"));
  RefreshLiveJob();
}

void MachineWindow::ShowMode(const QString& caption) {
  mode_name_->setText(caption);
  mode_picture_->setPixmap(MachinePicture(folder_, drilling_mode_ ? QStringLiteral("perc.bmp")
                                                                  : QStringLiteral("grav.bmp")));
}

QString MachineWindow::ModeName() const {
  // The applied language's word; the French one while no language file has been applied.
  const std::string& name = AppliedModeNames().Of(drilling_mode_);
  if (!name.empty()) return QString::fromStdString(name);
  return drilling_mode_ ? QString::fromUtf8("Perçage") : QStringLiteral("Gravure");
}

void MachineWindow::SwitchMode() {
  drilling_mode_ = !drilling_mode_;
  ShowMode(ModeName());
}

void MachineWindow::ApplyButtonStates() {
  const IsoBoxButtons& buttons = session_.ProgramButtons();
  load_engraving_button_->setEnabled(buttons.load_engraving);
  load_drilling_button_->setEnabled(buttons.load_drilling);
  placement_button_->setEnabled(buttons.placement);
  validate_z_button_->setEnabled(buttons.validate_z);
  start_button_->setEnabled(buttons.start);
  // "Palper Z" only with a probe wired.
  touch_off_button_->setEnabled(session_.Port().Signals().probe.mask != 0);
}

void MachineWindow::OpenPlacement() { emit PlateWindowRequested(); }

void MachineWindow::ValidateZLevel() {
  // The zero is the motion thread's to set; refused (and nothing validated) while a jog runs.
  if (!session_.Submit([this] { session_.ZeroAxisZ(); })) return;
  OnZValidated(session_.ProgramButtons());
  ApplyButtonStates();
  SetTargetZToZero();
}

void MachineWindow::StartProgram() {
  if (!session_.ProgramButtons().start || session_.Busy()) return;
  // The file is read here, once for every copy; the copies run as one motion command.
  auto job = std::make_shared<JobProgram>();
  const QString& path = drilling_mode_ ? drilling_file_ : engraving_file_;
  if (!path.isEmpty()) {
    if (const Status loaded = LoadIsoProgram(QFile::encodeName(path).toStdString(), &job->lines); !loaded) {
      FinishProgram(false, loaded.message());
      return;
    }
  }
  job->path = BuildProgramPath(job->lines);
  job->grid = {copies_x_spin_->value(), copies_y_spin_->value(), session_.ExtentX(), session_.ExtentY(),
               session_.State().Parameters.CopyGap};
  RunJobCommand(job, drilling_mode_, std::nullopt);
}

void MachineWindow::FinishProgram(bool ran, const std::string& error) {
  session_.SetProgramRunning(false);
  if (!error.empty()) {
    ShowMessage(error);
    prompts_.ShowError(QString::fromStdString(error));
  }
  if (ran && !drilling_file_.isEmpty()) {
    drilling_mode_ = true;
    ShowMode(QString::fromUtf8("Perçage"));
  }
  OnRunEnded(session_.ProgramButtons());
  ApplyButtonStates();
}

}  // namespace pistora
