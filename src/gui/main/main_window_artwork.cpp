// The artwork steps of the main window: loading, the two views, panning, the scale.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
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
#include "gui/adapters/translations.h"
#include "gui/adapters/view_picture.h"
#include "gui/main/file_history.h"
#include "gui/main/main_window.h"
#include "image/picture_resolution.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/led_lamp.h"
#include "image/artwork_loader.h"
#include "image/gerber_picture.h"

namespace pistora {
namespace {

char RegionalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
}

}  // namespace

void MainWindow::LoadArtwork() {
  if (busy_) return;
  artwork_view_->setCursor(Qt::SizeAllCursor);
  const QString path = prompts_.OpenFileNameAt(QString(), ArtworkFilter(), LastFolder(FileKind::kArtwork));
  if (path.isEmpty()) return;
  LoadArtworkFrom(path);
}

void MainWindow::LoadArtworkFrom(const QString& path) {
  if (busy_) return;
  artwork_view_->setCursor(Qt::SizeAllCursor);
  // Read first: a file the reader refuses leaves the window exactly as it was.
  Bitmap artwork;
  std::optional<StatedResolution> resolution;
  PictureFrame frame;
  std::vector<DrillHole> holes;
  const bool gerber = IsGerberFile(path.toStdString());
  Status status = Status::Ok();
  if (gerber) {
    // gerbv may take a while: the window's commands wait, STOP is offered.
    if (!RunLongOperation([&] { status = LoadGerberLayer(path.toStdString(), &artwork, &frame, &holes); })) return;
  } else {
    status = pistora::LoadArtwork(path.toStdString(), &artwork, &resolution);
  }
  if (!status) {
    prompts_.ShowError(QString::fromStdString(status.message()));
    return;
  }
  RememberFolder(FileKind::kArtwork, path);
  RememberRecentFile(path);
  gerber_loaded_ = gerber;
  gerber_frame_ = frame;
  gerber_holes_ = std::move(holes);

  setWindowTitle(QStringLiteral("Pistora (") + path + QLatin1Char(')'));
  progress_gauge_->setValue(0);
  contour_log_->clear();
  work_.ContourLog.clear();

  work_.ArtworkBitmap = std::move(artwork);
  work_.EngravingBitmap = Bitmap(work_.ArtworkBitmap.Width(), work_.ArtworkBitmap.Height(), kWhite);
  measuring_line_.Reset();  // the old line went with the old bitmap
  measuring_ = false;
  artwork_drag_ = Drag{};
  engraving_drag_ = Drag{};

  ResetView(View::Artwork);
  ResetView(View::Engraving);
  ShowArtworkView();
  ShowEngravingView();

  work_.StopRequest = false;
  progress_gauge_->setMaximum(work_.ArtworkBitmap.Height());
  ApplyStep(StepEvent::ArtworkLoaded);
  scale_mode_ = false;
  artwork_loaded_ = true;
  UpdateArtworkMenu();
  artwork_path_ = path;
  job_source_path_ = path;
  ForgetToolPaths();
  ShowStatedResolution(resolution);
  ShowZoomLevel();
}

void MainWindow::ShowStatedResolution(const std::optional<StatedResolution>& resolution) {
  if (!resolution) {
    stated_resolution_note_->clear();
    return;
  }
  // The scale step starts filled; a measurement made by hand replaces it.
  measured_distance_edit_->clear();
  work_.PixelSizeMm = PixelSizeMmOf(*resolution);
  pixel_size_edit_->setText(QString::fromStdString(PixelSizeText(work_.PixelSizeMm)));
  stated_resolution_note_->setText(
      TrMessage("%1 lus dans le fichier").arg(QString::fromStdString(ResolutionText(*resolution))));
}

void MainWindow::EnterScalePhase() {
  artwork_view_->setCursor(Qt::CrossCursor);
  ApplyStep(StepEvent::ProcessingDone);
  scale_mode_ = true;
  if (!gerber_loaded_) return;
  // A Gerber layer's scale is known: no measuring.
  work_.PixelSizeMm = gerber_frame_.pixel_mm;
  pixel_size_edit_->setText(QString::fromStdString(PixelSizeText(work_.PixelSizeMm)));
  ValidateScale();
}

void MainWindow::ValidateScale() {
  // Without a measurement the pixel size is 0 and every move of a program would be X0 Y0.
  if (const std::string refusal = PixelSizeRefusal(work_.PixelSizeMm); !refusal.empty()) {
    prompts_.ShowError(QString::fromStdString(refusal));
    return;
  }
  ApplyStep(StepEvent::ScaleValidated);
  ClassifyHolesIfAsked();
  if (gerber_loaded_) PlaceGerberHoles();
  SetContourRange();
  scale_mode_ = false;
  VerifyView(work_, host_, drill_mark_size_spin_->value());
}

void MainWindow::ShowArtworkView() {
  artwork_view_->SetPicture(ZoomedViewPicture(work_.ArtworkBitmap, artwork_h_scroll_->value(),
                                              artwork_v_scroll_->value(), artwork_scale_, artwork_view_->width(),
                                              artwork_view_->height()));
  artwork_view_->repaint();
}

void MainWindow::ShowEngravingView() {
  engraving_view_->SetPicture(ZoomedViewPicture(work_.EngravingBitmap, engraving_h_scroll_->value(),
                                                engraving_v_scroll_->value(), engraving_scale_,
                                                engraving_view_->width(), engraving_view_->height()));
  engraving_view_->repaint();
}

void MainWindow::SetScrollPositions(QScrollBar* horizontal, QScrollBar* vertical, int h, int v) {
  const QSignalBlocker block_h(horizontal);
  const QSignalBlocker block_v(vertical);
  horizontal->setValue(h);
  vertical->setValue(v);
}

void MainWindow::PanView(Drag& drag, QPoint position, QScrollBar* horizontal, QScrollBar* vertical) {
  // The picture follows the pointer by whole bitmap pixels; the rest of the move waits for the next.
  const double scale = horizontal == artwork_h_scroll_ ? artwork_scale_ : engraving_scale_;
  const int dx = static_cast<int>((position.x() - drag.remembered.x()) / scale);
  const int dy = static_cast<int>((position.y() - drag.remembered.y()) / scale);
  const int h = PanPosition(horizontal->value(), dx, 0, horizontal->maximum());
  const int v = PanPosition(vertical->value(), dy, 0, vertical->maximum());
  SetScrollPositions(horizontal, vertical, h, v);
  drag.remembered += QPointF(dx * scale, dy * scale);
  if (horizontal == artwork_h_scroll_) {
    ShowArtworkView();
  } else {
    ShowEngravingView();
  }
}

PixelPoint MainWindow::ArtworkPoint(QPoint view_position) const {
  return PixelPoint{BitmapPixelAt(view_position.x(), artwork_h_scroll_->value(), artwork_scale_),
                    BitmapPixelAt(view_position.y(), artwork_v_scroll_->value(), artwork_scale_)};
}

void MainWindow::ArtworkMouseDown(QPoint position) {
  if (scale_mode_) {
    measuring_line_.Press(work_.ArtworkBitmap, ArtworkPoint(position));
    measuring_ = true;
    ShowArtworkView();
    return;
  }
  artwork_drag_ = Drag{true, position};
}

void MainWindow::ArtworkMouseMove(QPoint position) {
  if (scale_mode_) {
    if (!measuring_) return;
    measuring_line_.Move(work_.ArtworkBitmap, ArtworkPoint(position));
    ShowArtworkView();
    return;
  }
  if (artwork_drag_.active) PanView(artwork_drag_, position, artwork_h_scroll_, artwork_v_scroll_);
}

void MainWindow::ArtworkMouseUp(QPoint position) {
  if (scale_mode_) {
    if (!measuring_) return;
    measuring_ = false;
    measured_distance_edit_->setText(QString::fromStdString(measuring_line_.Release(ArtworkPoint(position))));
    return;
  }
  if (!artwork_drag_.active) return;
  PanView(artwork_drag_, position, artwork_h_scroll_, artwork_v_scroll_);
  artwork_drag_.active = false;
}

void MainWindow::EngravingMouseDown(QPoint position) { engraving_drag_ = Drag{true, position}; }

void MainWindow::EngravingMouseMove(QPoint position) {
  if (engraving_drag_.active) PanView(engraving_drag_, position, engraving_h_scroll_, engraving_v_scroll_);
}

void MainWindow::EngravingMouseUp(QPoint position) {
  if (!engraving_drag_.active) return;
  PanView(engraving_drag_, position, engraving_h_scroll_, engraving_v_scroll_);
  engraving_drag_.active = false;
}

void MainWindow::UpdatePixelSize() {
  const std::optional<double> size = PixelSizeFromTexts(measured_distance_edit_->text().toStdString(),
                                                        real_distance_edit_->text().toStdString(), RegionalSeparator());
  if (!size) return;
  work_.PixelSizeMm = *size;
  pixel_size_edit_->setText(QString::fromStdString(PixelSizeText(*size)));
  stated_resolution_note_->clear();  // measured by hand: the file's resolution no longer holds
}

void MainWindow::PitchCountChanged() {
  pitch_length_edit_->setText(QString::fromStdString(PitchLengthText(pitch_count_spin_->value())));
}

void MainWindow::CopyPitchLength() { real_distance_edit_->setText(pitch_length_edit_->text()); }

}  // namespace pistora
