// The zoom of the main window's two views, their growth with the window, and centring on a place.
// A view's scroll bars hold the bitmap pixel at its top-left corner; its scale says how many
// screen pixels one bitmap pixel takes. At scale 1 every mapping is the unscaled one.
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <cmath>

#include "core/artwork/gap_marks.h"
#include "core/artwork/view_geometry.h"
#include "core/artwork/view_zoom.h"
#include "gui/adapters/view_picture.h"
#include "gui/main/main_window.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/zoom_input.h"

namespace pistora {
namespace {

// The window's built-in size, at which every control sits where the control table's layout
// puts it.
constexpr int kBuiltInWidth = 961;
constexpr int kBuiltInHeight = 507;

// A scale that repeated steps brought back within rounding of 1 is 1: the unscaled drawing.
double Snapped(double scale) { return std::abs(scale - 1.0) < 1e-9 ? 1.0 : scale; }

}  // namespace

MainWindow::ViewParts MainWindow::Parts(View view) {
  if (view == View::Artwork) {
    return {artwork_view_, artwork_h_scroll_, artwork_v_scroll_, work_.ArtworkBitmap, artwork_scale_};
  }
  return {engraving_view_, engraving_h_scroll_, engraving_v_scroll_, work_.EngravingBitmap, engraving_scale_};
}

View MainWindow::ShownView() const { return engraving_group_->isHidden() ? View::Artwork : View::Engraving; }

double MainWindow::ViewScale(View view) const { return view == View::Artwork ? artwork_scale_ : engraving_scale_; }

void MainWindow::UpdateScrollRanges(View view) {
  const ViewParts p = Parts(view);
  const int h_max = ScrollMaximumAt(p.bitmap.Width(), p.view->width(), p.scale);
  const int v_max = ScrollMaximumAt(p.bitmap.Height(), p.view->height(), p.scale);
  SetScrollPositions(p.horizontal, p.vertical, ClampScroll(p.horizontal->value(), h_max),
                     ClampScroll(p.vertical->value(), v_max));
  const QSignalBlocker block_h(p.horizontal);
  const QSignalBlocker block_v(p.vertical);
  p.horizontal->setRange(0, h_max);
  p.vertical->setRange(0, v_max);
  // One page is what the view shows; one step a tenth of it.
  p.horizontal->setPageStep(std::max(1, static_cast<int>(p.view->width() / p.scale)));
  p.vertical->setPageStep(std::max(1, static_cast<int>(p.view->height() / p.scale)));
  p.horizontal->setSingleStep(std::max(1, p.horizontal->pageStep() / 10));
  p.vertical->setSingleStep(std::max(1, p.vertical->pageStep() / 10));
}

void MainWindow::ResetView(View view) {
  const ViewParts p = Parts(view);
  SetScrollPositions(p.horizontal, p.vertical, 0, 0);
  UpdateScrollRanges(view);
}

void MainWindow::SetViewScale(View view, double scale, QPointF about) {
  const ViewParts p = Parts(view);
  scale = Snapped(std::clamp(scale, ViewZoom::kMinScale, ViewZoom::kMaxScale));
  const double old_scale = p.scale;
  const int h = p.horizontal->value();
  const int v = p.vertical->value();
  p.scale = scale;
  UpdateScrollRanges(view);
  SetScrollPositions(p.horizontal, p.vertical,
                     ZoomedScrollPosition(h, static_cast<int>(about.x()), old_scale, scale, p.horizontal->maximum()),
                     ZoomedScrollPosition(v, static_cast<int>(about.y()), old_scale, scale, p.vertical->maximum()));
  ShowView(view);
}

void MainWindow::ShowView(View view) {
  if (view == View::Artwork) {
    ShowArtworkView();
  } else {
    ShowEngravingView();
  }
  ShowZoomLevel();
}

void MainWindow::ShowZoomLevel() {
  zoom_level_label_->setText(QStringLiteral("%1 %").arg(std::lround(ViewScale(ShownView()) * 100.0)));
}

void MainWindow::ZoomIn() {
  const View view = ShownView();
  const ViewParts p = Parts(view);
  SetViewScale(view, p.scale * ViewZoom::kStep, QPointF(p.view->width() / 2.0, p.view->height() / 2.0));
}

void MainWindow::ZoomOut() {
  const View view = ShownView();
  const ViewParts p = Parts(view);
  SetViewScale(view, p.scale / ViewZoom::kStep, QPointF(p.view->width() / 2.0, p.view->height() / 2.0));
}

void MainWindow::ZoomFit() {
  const View view = ShownView();
  const ViewParts p = Parts(view);
  ViewZoom zoom;
  zoom.SetContentSize(p.bitmap.Width(), p.bitmap.Height());
  zoom.SetViewportSize(p.view->width(), p.view->height());
  zoom.Fit();
  p.scale = Snapped(zoom.Scale());
  ResetView(view);
  ShowView(view);
}

void MainWindow::ZoomOneToOne() {
  const View view = ShownView();
  const ViewParts p = Parts(view);
  SetViewScale(view, 1.0, QPointF(p.view->width() / 2.0, p.view->height() / 2.0));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != artwork_view_ && watched != engraving_view_) return QWidget::eventFilter(watched, event);
  const View view = watched == artwork_view_ ? View::Artwork : View::Engraving;
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_0 || key == Qt::Key_1) {
      if (key == Qt::Key_0) {
        ZoomFit();
      } else {
        ZoomOneToOne();
      }
      return true;
    }
  }
  if (event->type() != QEvent::Wheel && event->type() != QEvent::KeyPress) return false;
  // The shared gestures work on a zoom of the view's geometry; the scale it reaches, or the
  // distance it scrolls, is carried back to the scroll bars in whole bitmap pixels.
  const ViewParts p = Parts(view);
  ViewZoom zoom;
  zoom.SetContentSize(p.bitmap.Width(), p.bitmap.Height());
  zoom.SetViewportSize(p.view->width(), p.view->height());
  zoom.SetScale(p.scale);
  zoom.SetOrigin({static_cast<double>(p.horizontal->value()), static_cast<double>(p.vertical->value())});
  const ViewPoint before = zoom.Origin();
  if (!ApplyZoomInput(event, zoom)) return false;
  if (zoom.Scale() != p.scale) {
    const QPointF about = event->type() == QEvent::Wheel ? static_cast<QWheelEvent*>(event)->position()
                                                         : QPointF(p.view->width() / 2.0, p.view->height() / 2.0);
    SetViewScale(view, zoom.Scale(), about);
    return true;
  }
  const ViewPoint after = zoom.Origin();
  SetScrollPositions(
      p.horizontal, p.vertical,
      ClampScroll(p.horizontal->value() + static_cast<int>(std::lround(after.x - before.x)), p.horizontal->maximum()),
      ClampScroll(p.vertical->value() + static_cast<int>(std::lround(after.y - before.y)), p.vertical->maximum()));
  ShowView(view);
  return true;
}

void MainWindow::CentreViewOn(View view, PixelPoint pixel) {
  const ViewParts p = Parts(view);
  const int seen_width = static_cast<int>(p.view->width() / p.scale);
  const int seen_height = static_cast<int>(p.view->height() / p.scale);
  SetScrollPositions(p.horizontal, p.vertical, CentredScrollPosition(pixel.x, seen_width, p.horizontal->maximum()),
                     CentredScrollPosition(pixel.row, seen_height, p.vertical->maximum()));
  ShowView(view);
}

PixelPoint MainWindow::ViewPixel(View view, QPoint position) {
  const ViewParts p = Parts(view);
  return {BitmapPixelAt(position.x(), p.horizontal->value(), p.scale),
          BitmapPixelAt(position.y(), p.vertical->value(), p.scale)};
}

void MainWindow::PlaceControlsForSize() {
  const int grow_x = std::max(0, width() - kBuiltInWidth);
  const int grow_y = std::max(0, height() - kBuiltInHeight);
  for (const auto& [widget, place] : right_column_) widget->move(place.x() + grow_x, place.y());
  for (const View view : {View::Artwork, View::Engraving}) {
    const ViewParts p = Parts(view);
    QWidget* group = p.view->parentWidget();
    group->resize(585 + grow_x, 475 + grow_y);
    p.view->resize(kViewWidth + grow_x, kViewHeight + grow_y);
    p.horizontal->setGeometry(p.view->x(), p.view->y() + p.view->height(), p.view->width(), p.horizontal->height());
    p.vertical->setGeometry(p.view->x() + p.view->width(), p.view->y(), p.vertical->width(), p.view->height());
    UpdateScrollRanges(view);
  }
  for (QWidget* below : std::initializer_list<QWidget*>{zoom_out_button_, zoom_in_button_, zoom_fit_button_,
                                                        zoom_one_to_one_button_, zoom_level_label_,
                                                        recent_files_button_}) {
    below->move(below->x(), 481 + grow_y);
  }
  ShowArtworkView();
  ShowEngravingView();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (artwork_view_) PlaceControlsForSize();
}

}  // namespace pistora
