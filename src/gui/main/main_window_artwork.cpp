// The artwork steps of the main window: loading, the two views, panning, the scale.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>

#include "core/artwork/contour_drawing.h"
#include "core/artwork/view_geometry.h"
#include "gui/adapters/prompts.h"
#include "gui/adapters/view_picture.h"
#include "gui/main/main_window.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/led_lamp.h"
#include "image/artwork_loader.h"

namespace pistora {
namespace {

const char kArtworkFilter[] = "Images BitMap(*.bmp)|*.bmp|Images Gif (*.gif)|*.gif";

char RegionalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
}

}  // namespace

void MainWindow::BitBtn1Click() {
  if (busy_) return;
  Image1->setCursor(Qt::SizeAllCursor);
  const QString path = prompts_.OpenFileName(QString(), QtFilterFromPairs(QString::fromLatin1(kArtworkFilter)));
  if (path.isEmpty()) return;

  // Read first: a file the reader refuses leaves the window exactly as it was.
  Bitmap artwork;
  const Status status = LoadArtwork(path.toStdString(), &artwork);
  if (!status) {
    prompts_.ShowError(QString::fromStdString(status.message()));
    return;
  }

  setWindowTitle(QStringLiteral("Pistora (") + path + QLatin1Char(')'));
  Gauge1->setValue(0);
  Memo1->clear();
  work_.Memo1.clear();

  work_.ArtworkBitmap = std::move(artwork);
  work_.EngravingBitmap = Bitmap(work_.ArtworkBitmap.Width(), work_.ArtworkBitmap.Height(), kWhite);
  measuring_line_.Reset();  // the old line went with the old bitmap
  measuring_ = false;
  artwork_drag_ = Drag{};
  engraving_drag_ = Drag{};

  const int h_max = ScrollMaximum(work_.ArtworkBitmap.Width(), kViewWidth);
  const int v_max = ScrollMaximum(work_.ArtworkBitmap.Height(), kViewHeight);
  for (QScrollBar* bar : {ScrollBar1, ScrollBar3}) {
    const QSignalBlocker block(bar);
    bar->setRange(0, h_max);
    bar->setValue(0);
  }
  for (QScrollBar* bar : {ScrollBar2, ScrollBar4}) {
    const QSignalBlocker block(bar);
    bar->setRange(0, v_max);
    bar->setValue(0);
  }
  ShowArtworkView();
  ShowEngravingView();

  work_.StopRequest = false;
  Gauge1->setMaximum(work_.ArtworkBitmap.Height());
  ApplyStep(StepEvent::ArtworkLoaded);
  ScaleMode = false;
  artwork_loaded_ = true;
  UpdateArtworkMenu();
}

void MainWindow::EnterScalePhase() {
  Image1->setCursor(Qt::CrossCursor);
  ApplyStep(StepEvent::ProcessingDone);
  ScaleMode = true;
}

void MainWindow::BitBtn8Click() {
  ApplyStep(StepEvent::ScaleValidated);
  SetContourRange();
  ScaleMode = false;
  VerifyView(work_, host_, SpinEdit4->value());
}

void MainWindow::ShowArtworkView() {
  Image1->SetPicture(
      ViewPicture(work_.ArtworkBitmap, ScrollBar1->value(), ScrollBar2->value(), kViewWidth, kViewHeight));
  Image1->repaint();
}

void MainWindow::ShowEngravingView() {
  Image2->SetPicture(
      ViewPicture(work_.EngravingBitmap, ScrollBar3->value(), ScrollBar4->value(), kViewWidth, kViewHeight));
  Image2->repaint();
}

void MainWindow::SetScrollPositions(QScrollBar* horizontal, QScrollBar* vertical, int h, int v) {
  const QSignalBlocker block_h(horizontal);
  const QSignalBlocker block_v(vertical);
  horizontal->setValue(h);
  vertical->setValue(v);
}

void MainWindow::PanView(Drag& drag, QPoint position, QScrollBar* horizontal, QScrollBar* vertical) {
  const int h = PanPosition(horizontal->value(), position.x(), drag.remembered.x(), horizontal->maximum());
  const int v = PanPosition(vertical->value(), position.y(), drag.remembered.y(), vertical->maximum());
  SetScrollPositions(horizontal, vertical, h, v);
  drag.remembered = position;
  if (horizontal == ScrollBar1) {
    ShowArtworkView();
  } else {
    ShowEngravingView();
  }
}

PixelPoint MainWindow::ArtworkPoint(QPoint view_position) const {
  return PixelPoint{view_position.x() + ScrollBar1->value(), view_position.y() + ScrollBar2->value()};
}

void MainWindow::Image1MouseDown(QPoint position) {
  if (ScaleMode) {
    measuring_line_.Press(work_.ArtworkBitmap, ArtworkPoint(position));
    measuring_ = true;
    ShowArtworkView();
    return;
  }
  artwork_drag_ = Drag{true, position};
}

void MainWindow::Image1MouseMove(QPoint position) {
  if (ScaleMode) {
    if (!measuring_) return;
    measuring_line_.Move(work_.ArtworkBitmap, ArtworkPoint(position));
    ShowArtworkView();
    return;
  }
  if (artwork_drag_.active) PanView(artwork_drag_, position, ScrollBar1, ScrollBar2);
}

void MainWindow::Image1MouseUp(QPoint position) {
  if (ScaleMode) {
    if (!measuring_) return;
    measuring_ = false;
    Edit2->setText(QString::fromStdString(measuring_line_.Release(ArtworkPoint(position))));
    return;
  }
  if (!artwork_drag_.active) return;
  PanView(artwork_drag_, position, ScrollBar1, ScrollBar2);
  artwork_drag_.active = false;
}

void MainWindow::Image2MouseDown(QPoint position) { engraving_drag_ = Drag{true, position}; }

void MainWindow::Image2MouseMove(QPoint position) {
  if (engraving_drag_.active) PanView(engraving_drag_, position, ScrollBar3, ScrollBar4);
}

void MainWindow::Image2MouseUp(QPoint position) {
  if (!engraving_drag_.active) return;
  PanView(engraving_drag_, position, ScrollBar3, ScrollBar4);
  engraving_drag_.active = false;
}

void MainWindow::UpdatePixelSize() {
  const std::optional<double> size =
      PixelSizeFromTexts(Edit2->text().toStdString(), Edit3->text().toStdString(), RegionalSeparator());
  if (!size) return;
  work_.PixelSizeMm = *size;
  Edit1->setText(QString::fromStdString(PixelSizeText(*size)));
}

void MainWindow::Edit2Change() { UpdatePixelSize(); }

void MainWindow::Edit3Change() { UpdatePixelSize(); }

void MainWindow::SpinEdit3Change() { Edit9->setText(QString::fromStdString(PitchLengthText(SpinEdit3->value()))); }

void MainWindow::BitBtn13Click() { Edit3->setText(Edit9->text()); }

}  // namespace pistora
