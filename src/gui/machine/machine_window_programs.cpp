// The "Code ISO" box of the machine window: loading, analysing and running the programs, the
// copies on X and Y, and the mode shown in the "Fonction" box.
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include "core/machine/engine_iso_motion.h"
#include "core/machine/iso_program.h"
#include "core/text/numbers.h"
#include "gui/adapters/prompts.h"
#include "gui/app/app_windows.h"
#include "gui/app/language_applier.h"
#include "gui/machine/machine_host.h"
#include "gui/machine/machine_pictures.h"
#include "gui/machine/machine_window.h"
#include "gui/setup/plate_window.h"  // Windows().plate as a QWidget

namespace pistora {

namespace {

constexpr const char* kEngravingFilter = "Fichier programme ISO ( *.ISO )|*.ISO";
constexpr const char* kDrillingFilter = "Fichier programme ISO ( *.ISO )|*.iso";

// Both spellings of the extension are listed where names are case-sensitive.
QString IsoFilter(const char* pairs) {
  QString filter = QtFilterFromPairs(QString::fromLatin1(pairs));
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

void MachineWindow::BitBtn9Click() {
  if (running_) return;
  const QString path = prompts_.OpenFileName(QString(), IsoFilter(kEngravingFilter));
  if (!path.isEmpty()) LoadEngravingProgram(WithIsoExtension(path));
}

void MachineWindow::BitBtn13Click() {
  if (engraving_file_.isEmpty()) return;
  const QString path = prompts_.OpenFileName(QString(), IsoFilter(kDrillingFilter));
  if (!path.isEmpty()) LoadDrillingProgram(WithIsoExtension(path));
}

bool MachineWindow::LoadEngravingProgram(const QString& path) {
  std::vector<std::string> lines;
  const Status loaded = LoadIsoProgram(QFile::encodeName(path).toStdString(), &lines);
  if (!loaded) {
    prompts_.ShowError(QString::fromStdString(loaded.message()));
    return false;
  }
  engraving_file_ = path;
  Label8->setText(path);
  running_ = true;
  const IsoAnalysis analysis = AnalyseIsoProgram(
      lines, Motion().CurrentPosition(), state_.WorkFeed, *host_, state_.StopFlag,
      [this](long line, long count, const std::string& message) {
        ProgressBar1->setMaximum(static_cast<int>(std::max<long>(count, 1)));
        ProgressBar1->setValue(static_cast<int>(line));
        ShowMessage(message);
      });
  running_ = false;
  extent_x_ = analysis.extent_x;
  extent_y_ = analysis.extent_y;
  program_length_ = analysis.length;
  ShowProgramInfo();
  if (!analysis.status) ShowMessage(analysis.status.message());
  SpinEdit1->setValue(1);
  SpinEdit2->setValue(1);
  ShowRepetition();
  OnEngravingLoaded(buttons_);
  drilling_file_.clear();
  Label9->clear();
  drilling_mode_ = false;
  ShowMode(QStringLiteral("Gravure"));
  ApplyButtonStates();
  return true;
}

bool MachineWindow::LoadDrillingProgram(const QString& path) {
  if (engraving_file_.isEmpty()) return false;
  if (!QFile::exists(path)) {
    prompts_.ShowError(QStringLiteral("Fichier introuvable : ") + path);
    return false;
  }
  drilling_file_ = path;
  Label9->setText(path);
  return true;
}

void MachineWindow::ShowProgramInfo() {
  Label24->setText(QString::fromStdString(FormatFixed(extent_x_, 3)));
  Label26->setText(QString::fromStdString(FormatFixed(extent_y_, 3)));
  Label29->setText(QString::fromStdString(FormatFixed(program_length_, 3)));
  Label32->setText(QString::number(EstimatedSeconds(program_length_, state_.WorkFeed)));
}

void MachineWindow::SpinEdit1Change() { ShowRepetition(); }

void MachineWindow::ShowRepetition() {
  const MachineParameters& p = state_.Parameters;
  const double total_x = RepetitionTotal(SpinEdit1->value(), extent_x_, p.CopyGap);
  const double total_y = RepetitionTotal(SpinEdit2->value(), extent_y_, p.CopyGap);
  const bool fits_x = RepetitionFits(total_x, p.PlateSizeX, p.PlateBorderX);
  const bool fits_y = RepetitionFits(total_y, p.PlateSizeY, p.PlateBorderY);
  Label49->setText(QString::fromStdString(FormatGeneral(total_x)));
  Label50->setText(QString::fromStdString(FormatGeneral(total_y)));
  Label49->setStyleSheet(fits_x ? QStringLiteral("color: black;") : QStringLiteral("color: red;"));
  Label50->setStyleSheet(fits_y ? QStringLiteral("color: black;") : QStringLiteral("color: red;"));
}

QString MachineWindow::RepetitionTotalXText() const { return Label49->text(); }
QString MachineWindow::RepetitionTotalYText() const { return Label50->text(); }

void MachineWindow::ShowMode(const QString& caption) {
  Label53->setText(caption);
  Image1->setPixmap(MachinePicture(folder_, drilling_mode_ ? QStringLiteral("perc.bmp")
                                                           : QStringLiteral("grav.bmp")));
}

QString MachineWindow::ModeName() const {
  // The applied language's word; the French one while no language file has been applied.
  const std::string& name = AppliedModeNames().Of(drilling_mode_);
  if (!name.empty()) return QString::fromStdString(name);
  return drilling_mode_ ? QString::fromUtf8("Perçage") : QStringLiteral("Gravure");
}

void MachineWindow::BitBtn14Click() {
  drilling_mode_ = !drilling_mode_;
  ShowMode(ModeName());
}

void MachineWindow::ApplyButtonStates() {
  BitBtn9->setEnabled(buttons_.load_engraving);
  BitBtn13->setEnabled(buttons_.load_drilling);
  BitBtn11->setEnabled(buttons_.placement);
  BitBtn12->setEnabled(buttons_.validate_z);
  BitBtn10->setEnabled(buttons_.start);
}

void MachineWindow::PlacementDone() {
  OnPlacementDone(buttons_);
  ApplyButtonStates();
}

void MachineWindow::BitBtn11Click() {
  QWidget* plate = Windows().plate;
  if (plate == nullptr) return;
  plate->show();
  plate->raise();
  // Its first button ("Nouvelle plaque"): a fresh preview with the job in the lower-left corner.
  if (auto* first = plate->findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))) first->click();
}

void MachineWindow::BitBtn12Click() {
  OnZValidated(buttons_);
  ApplyButtonStates();
  ZeroAxisZ();
  SetTargetZToZero();
}

bool MachineWindow::RunOneCopy() {
  const QString& path = drilling_mode_ ? drilling_file_ : engraving_file_;
  if (path.isEmpty()) return true;
  std::vector<std::string> lines;
  const Status loaded = LoadIsoProgram(QFile::encodeName(path).toStdString(), &lines);
  if (!loaded) {
    ShowMessage(loaded.message());
    prompts_.ShowError(QString::fromStdString(loaded.message()));
    return false;
  }
  const IsoRunResult result = RunIsoProgram(lines, *iso_motion_, *host_);
  if (result.outcome == IsoRunOutcome::kRefused) {
    ShowMessage(result.status.message());
    prompts_.ShowError(QString::fromStdString(result.status.message()));
    return false;
  }
  return true;
}

void MachineWindow::BitBtn10Click() {
  if (!buttons_.start || running_ || engine_->Busy()) return;
  running_ = true;
  BitBtn10->setEnabled(false);
  const CopyGrid grid{SpinEdit1->value(), SpinEdit2->value(), extent_x_, extent_y_,
                      state_.Parameters.CopyGap};
  const bool ran = RunStartSequence(grid, [this] { return RunOneCopy(); }, *iso_motion_);
  running_ = false;
  if (ran && !drilling_file_.isEmpty()) {
    drilling_mode_ = true;
    ShowMode(QString::fromUtf8("Perçage"));
  }
  OnRunEnded(buttons_);
  ApplyButtonStates();
}

}  // namespace pistora
