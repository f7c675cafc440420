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
#include "gui/main/main_window.h"
#include "gui/widgets/bitmap_view.h"

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
  const std::initializer_list<QWidget*> commands{BitBtn1, Button5, GroupBox3, GroupBox4, GroupBox5, GroupBox6};
  for (QWidget* w : commands) w->setEnabled(false);
  BitBtn3->setEnabled(true);
  operation();
  BitBtn3->setEnabled(false);
  for (QWidget* w : commands) w->setEnabled(true);
  busy_ = false;
  ShowMemos();
  return true;
}

void MainWindow::ShowMemos() {
  Memo1->setPlainText(JoinLines(work_.Memo1));
  Memo2->setPlainText(JoinLines(work_.Memo2));
}

void MainWindow::BitBtn2Click() {
  const bool ran = RunLongOperation([this] {
    ExtractContours(work_, host_, ExtractionSettings{SpinEdit4->value(), SpinEdit2->value()});
    SetContourRange();
  });
  if (ran) EnterScalePhase();
}

void MainWindow::BitBtn3Click() {
  work_.StopRequest = true;
  BitBtn3->setEnabled(false);
}

void MainWindow::BitBtn14Click() {
  if (artwork_loaded_) RunLongOperation([this] { MarkGapMiddles(work_, host_); });
}

void MainWindow::BitBtn15Click() {
  if (artwork_loaded_) RunLongOperation([this] { PreprocessArtwork(work_, host_); });
}

void MainWindow::BuildArtworkMenu() {
  Image1Menu = new QMenu(this);
  Image1Menu->setObjectName(QStringLiteral("Image1Menu"));
  PreprocessAction = Image1Menu->addAction(BitBtn15->text(), this, &MainWindow::BitBtn15Click);
  PolygonalAction = Image1Menu->addAction(BitBtn14->text(), this, &MainWindow::BitBtn14Click);
  UpdateArtworkMenu();
}

void MainWindow::UpdateArtworkMenu() {
  // The captions follow the hidden buttons, which the language files translate.
  PreprocessAction->setText(BitBtn15->text());
  PolygonalAction->setText(BitBtn14->text());
  for (QAction* action : {PreprocessAction, PolygonalAction}) action->setEnabled(artwork_loaded_ && !busy_);
}

void MainWindow::Image1ContextPopup(QPoint position) {
  UpdateArtworkMenu();
  Image1Menu->popup(Image1->mapToGlobal(position));
}

}  // namespace pistora
