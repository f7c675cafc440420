// The engraving file, the two programs and the two simulations.
#include <QDir>
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
#include "gui/main/file_history.h"
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

}  // namespace

void MainWindow::LoadEngravingFile() {
  if (busy_) return;
  const QString chosen = prompts_.OpenFileNameAt(QString(), QtFilterFromPairs(TrMessage(kEngravingFileFilter)),
                                                 LastFolder(FileKind::kEngravingFile));
  if (chosen.isEmpty()) return;
  LoadEngravingFileFrom(EngravingFileName(chosen));
}

void MainWindow::LoadEngravingFileFrom(const QString& path) {
  if (busy_) return;
  // Read the whole file first: a file that cannot be read leaves the window as it was.
  EngravingFile file;
  if (const Status status = ReadEngravingFile(path.toStdString(), &file); !status) {
    prompts_.ShowError(QString::fromStdString(status.message()));
    return;
  }
  RememberFolder(FileKind::kEngravingFile, path);
  RememberRecentFile(path);
  ShowStatedResolution(std::nullopt);  // the file holds its pixel size; no picture's resolution
  job_source_path_ = path;
  setWindowTitle(QStringLiteral("Pistora (") + path + QLatin1Char(')'));
  ShowEngravingFile(std::move(file));
}

QString MainWindow::ProposedName(FileKind kind, JobMode mode) const {
  if (job_source_path_.isEmpty()) return LastFolder(kind);
  const QString folder = LastFolder(kind, QFileInfo(job_source_path_).absolutePath());
  const JobFileNames names = JobFileNamesFor(job_source_path_.toStdString());
  const std::string& beside = kind == FileKind::kEngravingFile ? names.engraving_file
                              : mode == JobMode::Engraving     ? names.engraving_program
                                                               : names.drilling_program;
  return QDir(folder).filePath(QFileInfo(QString::fromStdString(beside)).fileName());
}

void MainWindow::ShowEngravingFile(EngravingFile&& file) {
  ApplyEngravingFile(std::move(file), &work_);
  // The artwork is not part of the file: a blank picture of the same size stands for it.
  work_.ArtworkBitmap = Bitmap(work_.EngravingBitmap.Width(), work_.EngravingBitmap.Height(), kWhite);
  artwork_loaded_ = false;
  gerber_loaded_ = false;
  UpdateArtworkMenu();
  ShowArtworkView();
  ResetView(View::Engraving);

  ApplyStep(StepEvent::EngravingFileLoaded);
  scale_mode_ = false;
  pixel_size_edit_->setText(QString::fromStdString(PanelAfterLoad(work_).pixel_size_text));
  ForgetToolPaths();
  SetContourRange();
  VerifyView(work_, host_, drill_mark_size_spin_->value());
}

void MainWindow::SaveEngravingFile() {
  if (busy_) return;
  const QString chosen = prompts_.SaveFileNameAt(QString(), QtFilterFromPairs(TrMessage(kEngravingFileFilter)),
                                                 ProposedName(FileKind::kEngravingFile, JobMode::Engraving));
  if (chosen.isEmpty()) return;
  const QString path = EngravingFileName(chosen);
  if (!MayReplace(prompts_, chosen, path)) return;
  RememberFolder(FileKind::kEngravingFile, path);
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
  const QString typed = prompts_.SaveFileNameAt(QString(), QtFilterFromPairs(TrMessage(kProgramFilter)),
                                                ProposedName(FileKind::kProgram, mode));
  if (typed.isEmpty()) return;
  const QString chosen = QString::fromStdString(CompleteFileName(typed.toStdString(), ".iso"));
  if (!MayReplace(prompts_, typed, chosen)) return;
  RememberFolder(FileKind::kProgram, chosen);
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
    text = TrMessage("Programmes de perçage écrits :");
    for (const ProgramReport& report : drill_programs) {
      text += QStringLiteral("\n") + TrMessage("%1 (foret %2 mm, %3 trous)")
                                         .arg(QString::fromStdString(report.Path), QString::fromStdString(report.Drill))
                                         .arg(report.ObjectCount);
    }
  } else {
    text = (mode == JobMode::Engraving ? TrMessage("Programme de gravure écrit :\n")
                                       : TrMessage("Programme de perçage écrit :\n")) +
           QString::fromStdString(CompleteFileName(chosen.toStdString(), ".iso"));
  }
  // What was written where, then (when a tool's contours are engraved) their check on its own.
  prompts_.ShowInfo(text);
  ShowProgramCheck(QString());
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
