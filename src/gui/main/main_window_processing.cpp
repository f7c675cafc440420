// The processing of the artwork, the stop button, the artwork transformations and the frame of
// every long operation.
#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include "core/artwork/extraction.h"
#include "core/artwork/polygonal.h"
#include "core/artwork/threshold.h"
#include "gui/adapters/translations.h"
#include "gui/adapters/prompts.h"
#include "gui/main/main_window.h"
#include "gui/main/tool_dialog.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/named_control.h"

namespace pistora {
namespace {

QString JoinLines(const std::vector<std::string>& lines) {
  QStringList joined;
  joined.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) joined << QString::fromStdString(line);
  return joined.join(QLatin1Char('\n'));
}

}  // namespace

bool MainWindow::RunLongOperation(const std::function<void()>& operation) {
  if (busy_) return false;
  busy_ = true;
  work_.StopRequest = false;
  // Disabling a parent leaves its children's own states alone: re-enabling restores them.
  const std::initializer_list<QWidget*> commands{load_artwork_button_, load_engraving_file_button_,
                                                 verification_panel_,  settings_panel_,
                                                 scale_panel_,         generation_panel_};
  for (QWidget* w : commands) w->setEnabled(false);
  stop_button_->setEnabled(true);
  operation();
  stop_button_->setEnabled(false);
  for (QWidget* w : commands) w->setEnabled(true);
  busy_ = false;
  ShowLogs();
  return true;
}

void MainWindow::ShowLogs() {
  contour_log_->setPlainText(JoinLines(work_.ContourLog));
  run_log_->setPlainText(JoinLines(work_.RunLog));
}

void MainWindow::ProcessArtwork() {
  if (busy_) return;
  // Grey or colour pictures are made black and white first (the view shows it); a picture
  // without copper is refused and stays at this step.
  const double threshold = tool_dialog_->Settings().threshold_percent;
  const long thresholded = ThresholdArtwork(work_.ArtworkBitmap, threshold);
  if (thresholded > 0) ShowArtworkView();
  if (!HasCopper(work_.ArtworkBitmap)) {
    prompts_.ShowError(QString::fromStdString(NoCopperMessage(artwork_path_.toStdString())));
    return;
  }
  if (thresholded > 0) {
    prompts_.ShowInfo(QString::fromStdString(ThresholdNotice(artwork_path_.toStdString(), thresholded, threshold)));
  }
  RunOutcome outcome = RunOutcome::Completed;
  const bool ran = RunLongOperation([this, &outcome] {
    outcome = ExtractContours(work_, host_,
                              ExtractionSettings{drill_mark_size_spin_->value(), pad_point_limit_spin_->value()});
    ForgetToolPaths();
    SetContourRange();
  });
  if (!ran) return;
  EnterScalePhase();
  // The contours found so far are kept and can be looked at, but a board milled from them
  // would lack the rest: say so.
  if (outcome == RunOutcome::Stopped) {
    prompts_.ShowInfo(TrMessage("Traitement arrêté : seuls %1 contours ont été extraits, le résultat "
                                 "est partiel. Relancez le traitement pour obtenir tous les contours.")
                          .arg(work_.Table.ContourCount()));
  }
}

void MainWindow::StopLongRun() {
  work_.StopRequest = true;
  stop_button_->setEnabled(false);
}

void MainWindow::RunPolygonalProcessing() {
  if (artwork_loaded_) RunLongOperation([this] { MarkGapMiddles(work_, host_); });
}

void MainWindow::RunPreprocessing() {
  if (artwork_loaded_) RunLongOperation([this] { PreprocessArtwork(work_, host_); });
}

void MainWindow::BuildArtworkMenu() {
  artwork_menu_ = Named(new QMenu(this), MainControl::kArtworkMenu);
  preprocess_action_ = artwork_menu_->addAction(preprocess_button_->text(), this, &MainWindow::RunPreprocessing);
  polygonal_action_ = artwork_menu_->addAction(polygonal_button_->text(), this, &MainWindow::RunPolygonalProcessing);
  UpdateArtworkMenu();
}

void MainWindow::UpdateArtworkMenu() {
  // The captions follow the hidden buttons, which the language files translate.
  preprocess_action_->setText(preprocess_button_->text());
  polygonal_action_->setText(polygonal_button_->text());
  for (QAction* action : {preprocess_action_, polygonal_action_}) action->setEnabled(artwork_loaded_ && !busy_);
}

void MainWindow::ShowArtworkMenu(QPoint position) {
  UpdateArtworkMenu();
  artwork_menu_->popup(artwork_view_->mapToGlobal(position));
}

}  // namespace pistora
