#include "gui/widgets/zoom_input.h"

#include <cmath>

#include <QKeyEvent>
#include <QWheelEvent>

namespace pistora {

namespace {

// One wheel notch (120 eighths of a degree) scrolls this many screen pixels.
constexpr double kScrollPerNotch = 60.0;

bool ApplyWheel(const QWheelEvent& wheel, ViewZoom& zoom) {
  const QPoint angle = wheel.angleDelta();
  if (angle.isNull()) return false;
  if (wheel.modifiers() & Qt::ControlModifier) {
    const double notches = angle.y() / 120.0;
    const QPointF at = wheel.position();
    zoom.ZoomAbout({at.x(), at.y()}, std::pow(ViewZoom::kStep, notches));
    return true;
  }
  double dx = angle.x() / 120.0 * kScrollPerNotch;
  double dy = angle.y() / 120.0 * kScrollPerNotch;
  if (wheel.modifiers() & Qt::ShiftModifier) std::swap(dx, dy);
  zoom.PanBy(dx, dy);
  return true;
}

}  // namespace

bool ApplyZoomInput(QEvent* event, ViewZoom& zoom) {
  if (event->type() == QEvent::Wheel) return ApplyWheel(*static_cast<QWheelEvent*>(event), zoom);
  if (event->type() != QEvent::KeyPress) return false;
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      zoom.ZoomIn();
      return true;
    case Qt::Key_Minus:
      zoom.ZoomOut();
      return true;
    default:
      return false;
  }
}

}  // namespace pistora
