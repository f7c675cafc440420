// The engraving file, the two programs and the two simulations.
#include <QFileInfo>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>

#include "core/artwork/scale.h"
#include "core/artwork/view_geometry.h"
#include "core/job/engraving_file.h"
#include "core/job/file_names.h"
#include "gui/adapters/translations.h"
#include "gui/adapters/prompts.h"
#include "gui/main/main_window.h"
#include "gui/main/tool_dialog.h"

namespace pistora {
namespace {

const char kEngravingFileFilter[] = "Fichier gravure (*.grv)|*.grv";
const char kProgramFilter[] = "Fichier g-code (*.iso)|*.iso";

QString EngravingFileName(const QString& chosen) {
  return QString::fromStdString(CompleteFileName(chosen.toStdString(), ".grv"));
}

// Whether `path`, the name completed with its extension, may be written. The file dialog asked
// about the name as typed; a name that only the completion makes an existing file's is asked
// about here.
bool MayReplace(Prompts& prompts, const QString& chosen, const QString& path) {
  if (path == chosen || !QFileInfo::exists(path)) return true;
  return prompts.Confirm(TrMessage("Le fichier « %1 » existe déjà.\nVoulez-vous le remplacer ?").arg(path));
}

void ResetScrollBar(QScrollBar* bar, int maximum) {
  const QSignalBlocker block(bar);
  bar->setRange(0, maximum);
  bar->setValue(0);
}

}  // namespace

void MainWindow::LoadEngravingFile() {
  if (busy_) return;
  const QString chosen = prompts_.OpenFileName(QString(), QtFilterFromPairs(QString::fromLatin1(kEngravingFileFilter)));
  if (chosen.isEmpty()) return;
  // Read the whole file first: a file that cannot be read leaves the window as it was.
  const QString path = EngravingFileName(chosen);
  EngravingFile file;
  if (const Status status = ReadEngravingFile(path.toStdString(), &file); !status) {
    prompts_.ShowError(QString::fromStdString(status.message()));
    return;
  }
  setWindowTitle(QStringLiteral("Pistora (") + path + QLatin1Char(')'));
  ShowEngravingFile(std::move(file));
}

void MainWindow::ShowEngravingFile(EngravingFile&& file) {
  ApplyEngravingFile(std::move(file), &work_);
  // The artwork is not part of the file: a blank picture of the same size stands for it.
  work_.ArtworkBitmap = Bitmap(work_.EngravingBitmap.Width(), work_.EngravingBitmap.Height(), kWhite);
  artwork_loaded_ = false;
  UpdateArtworkMenu();
  ShowArtworkView();
  ResetScrollBar(engraving_h_scroll_, ScrollMaximum(work_.EngravingBitmap.Width(), kViewWidth));
  ResetScrollBar(engraving_v_scroll_, ScrollMaximum(work_.EngravingBitmap.Height(), kViewHeight));

  ApplyStep(StepEvent::EngravingFileLoaded);
  scale_mode_ = false;
  pixel_size_edit_->setText(QString::fromStdString(PanelAfterLoad(work_).pixel_size_text));
  ForgetToolPaths();
  SetContourRange();
  VerifyView(work_, host_, drill_mark_size_spin_->value());
}

void MainWindow::SaveEngravingFile() {
  if (busy_) return;
  const QString chosen = prompts_.SaveFileName(QString(), QtFilterFromPairs(QString::fromLatin1(kEngravingFileFilter)));
  if (chosen.isEmpty()) return;
  const QString path = EngravingFileName(chosen);
  if (!MayReplace(prompts_, chosen, path)) return;
  // Written through a temporary file: a failed save keeps the previous file whole.
  if (const Status status = pistora::SaveEngravingFile(path.toStdString(), work_); !status) {
    prompts_.ShowError(QString::fromStdString(status.message()));
    return;
  }
  setWindowTitle(QStringLiteral("Pistora (") + path + QLatin1Char(')'));
}

void MainWindow::GenerateProgram(JobMode mode) {
  if (busy_) return;
  if (const std::string refusal = PixelSizeRefusal(work_.PixelSizeMm); !refusal.empty()) {
    prompts_.ShowError(QString::fromStdString(refusal));
    return;
  }
  const QString typed = prompts_.SaveFileName(QString(), QtFilterFromPairs(QString::fromLatin1(kProgramFilter)));
  if (typed.isEmpty()) return;
  const QString chosen = QString::fromStdString(CompleteFileName(typed.toStdString(), ".iso"));
  if (!MayReplace(prompts_, typed, chosen)) return;
  const JobParameters parameters = JobParametersFromControls();
  Status status;
  std::vector<ProgramReport> drill_programs;
  RunLongOperation([&] {
    if (mode == JobMode::Engraving) {
      status = GenerateEngravingProgram(work_, host_, parameters, chosen.toStdString());
    } else {
      // With a drill list, one program per drill (and one without).
      status = GenerateDrillingPrograms(work_, host_, parameters, chosen.toStdString(), &drill_programs);
    }
  });
  if (!status) {
    prompts_.ShowError(QString::fromStdString(status.message()));
    return;
  }
  QString text;
  if (mode == JobMode::Engraving) {
    last_engraving_program_ = CompleteFileName(chosen.toStdString(), ".iso");
  } else {
    last_drilling_programs_.clear();
    for (const ProgramReport& report : drill_programs) last_drilling_programs_.push_back(report.Path);
  }
  if (mode == JobMode::Drilling && !parameters.Drills.empty()) {
    // Several files from one name: say which.
    text = QString::fromUtf8("Programmes de perçage écrits :");
    for (const ProgramReport& report : drill_programs) {
      text += QStringLiteral("\n") + QString::fromStdString(report.Path) + QString::fromUtf8(" (foret ") +
              QString::fromStdString(report.Drill) + QStringLiteral(" mm, %1 trous)").arg(report.ObjectCount);
    }
  }
  ShowProgramCheck(text);
}

void MainWindow::WriteEngravingProgram() { GenerateProgram(JobMode::Engraving); }

void MainWindow::WriteDrillingProgram() { GenerateProgram(JobMode::Drilling); }

SimulationSettings MainWindow::SimulationSettingsFromControls() const {
  return SimulationSettings{engraving_simulation_speed_spin_->value(), drilling_simulation_pause_spin_->value(),
                            drill_mark_size_spin_->value()};
}

void MainWindow::SimulateEngraving() {
  RunLongOperation([this] { pistora::SimulateEngraving(work_, host_, SimulationSettingsFromControls()); });
}

void MainWindow::SimulateDrilling() {
  RunLongOperation(
      [this] { pistora::SimulateDrilling(work_, host_, SimulationSettingsFromControls(), busy_delay_); });
}

}  // namespace pistora
