#include "gui/machine/live_job_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "gui/widgets/zoom_input.h"

namespace pistora {
namespace {

// Blank around the plate and the job (mm).
constexpr double kMarginMm = 5;
const QColor kBackground(60, 60, 60);
const QColor kCopper(222, 160, 95);
const QColor kBorder(150, 90, 40);
const QColor kCut(20, 40, 170);
const QColor kTravel(130, 130, 130);
const QColor kHole(0, 0, 0);
const QColor kDone(0, 200, 60);
const QColor kTool(230, 0, 0);
const QColor kResume(220, 0, 220);
constexpr int kHoleDotPixels = 5;
constexpr int kToolArmPixels = 9;

// Lines one pixel wide take the rasteriser's fast path (a wider pen is stroked as polygons,
// tens of times slower on a program of 100k+ moves); dots are round.
QPen LinePen(const QColor& colour) {
  QPen pen(colour, 0);
  pen.setCosmetic(true);
  return pen;
}

QPen DotPen(const QColor& colour, double width) {
  QPen pen(colour, width);
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

// Lines from segment `from` to `to`.
QVector<QLineF> SegmentLines(const ProgramPath& path, std::size_t from, std::size_t to, bool cuts_only) {
  QVector<QLineF> lines;
  for (std::size_t i = from; i < to; ++i) {
    const PathSegment& s = path.segments[i];
    if (cuts_only && s.kind != PathMoveKind::kCut) continue;
    lines.append(QLineF(s.x0, s.y0, s.x1, s.y1));
  }
  return lines;
}

std::size_t HolesBefore(const ProgramPath& path, long line) {
  return static_cast<std::size_t>(std::lower_bound(path.drill_points.begin(), path.drill_points.end(), line,
                                                   [](const DrillPoint& h, long l) { return h.line < l; }) -
                                  path.drill_points.begin());
}

}  // namespace

LiveJobView::LiveJobView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::WheelFocus);
  setMinimumSize(120, 100);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

LiveJobView::Drawn LiveJobView::Prepare(std::shared_ptr<const ProgramPath> path) {
  Drawn drawn;
  drawn.path = std::move(path);
  if (!drawn.path) return drawn;
  for (const PathSegment& s : drawn.path->segments)
    (s.kind == PathMoveKind::kCut ? drawn.cuts : drawn.travels).append(QLineF(s.x0, s.y0, s.x1, s.y1));
  for (const DrillPoint& h : drawn.path->drill_points) drawn.holes.append(QPointF(h.x, h.y));
  return drawn;
}

void LiveJobView::SetPlate(double width_mm, double height_mm, double border_x_mm, double border_y_mm,
                           double zero_x_mm, double zero_y_mm) {
  plate_width_ = std::max(width_mm, 0.0);
  plate_height_ = std::max(height_mm, 0.0);
  border_x_ = std::clamp(border_x_mm, 0.0, plate_width_ / 2);
  border_y_ = std::clamp(border_y_mm, 0.0, plate_height_ / 2);
  zero_x_ = zero_x_mm;
  zero_y_ = zero_y_mm;
  UpdateContent();
}

void LiveJobView::SetJob(std::shared_ptr<const ProgramPath> engraving, std::shared_ptr<const ProgramPath> drilling,
                         std::vector<CopyOrigin> origins) {
  engraving_ = Prepare(std::move(engraving));
  drilling_ = Prepare(std::move(drilling));
  origins_ = std::move(origins);
  if (origins_.empty()) origins_.push_back({});
  done_copy_ = -1;
  done_line_ = 0;
  UpdateContent();
  if (!user_zoomed_) Fit();
}

void LiveJobView::UpdateContent() {
  // The plate, every copy of both programs, and the work zero, with a margin.
  double left = 0, bottom = 0, right = plate_width_, top = plate_height_;
  const auto take = [&](double x, double y) {
    left = std::min(left, x);
    right = std::max(right, x);
    bottom = std::min(bottom, y);
    top = std::max(top, y);
  };
  for (const Drawn* drawn : {&engraving_, &drilling_}) {
    if (!drawn->path) continue;
    for (const CopyOrigin& o : origins_) {
      take(zero_x_ + o.x, zero_y_ + o.y);
      take(zero_x_ + o.x + drawn->path->max_x, zero_y_ + o.y + drawn->path->max_y);
    }
  }
  left_ = left - kMarginMm;
  top_ = top + kMarginMm;
  zoom_.SetContentSize(right - left + 2 * kMarginMm, top - bottom + 2 * kMarginMm);
  ZoomChanged();
}

void LiveJobView::Fit() {
  user_zoomed_ = false;
  zoom_.Fit();
  ZoomChanged();
}

void LiveJobView::ZoomChanged() {
  static_valid_ = false;
  update();
}

QTransform LiveJobView::PlateToScreen() const {
  const ViewPoint origin = zoom_.Origin();
  const double scale = zoom_.Scale();
  // plate (Y up) → content (Y down from the top-left corner) → screen.
  return QTransform(1, 0, 0, -1, -left_, top_) * QTransform::fromTranslate(-origin.x, -origin.y) *
         QTransform::fromScale(scale, scale);
}

QTransform LiveJobView::CopyToScreen(int copy) const {
  const CopyOrigin& o = origins_[static_cast<std::size_t>(std::clamp(copy, 0, static_cast<int>(origins_.size()) - 1))];
  return QTransform::fromTranslate(zero_x_ + o.x, zero_y_ + o.y) * PlateToScreen();
}

void LiveJobView::RenderStatic() {
  const QSize pixels = size() * devicePixelRatio();
  static_image_ = QImage(pixels, QImage::Format_RGB32);
  static_image_.setDevicePixelRatio(devicePixelRatio());
  static_image_.fill(kBackground);
  QPainter painter(&static_image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setTransform(PlateToScreen());
  painter.fillRect(QRectF(0, 0, plate_width_, plate_height_), kCopper);
  painter.setPen(LinePen(kBorder));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0, 0, plate_width_, plate_height_));
  painter.drawRect(QRectF(border_x_, border_y_, plate_width_ - 2 * border_x_, plate_height_ - 2 * border_y_));
  for (int copy = 0; copy < static_cast<int>(origins_.size()); ++copy) {
    painter.setTransform(CopyToScreen(copy));
    for (const Drawn* drawn : {&engraving_, &drilling_}) {
      painter.setPen(LinePen(kTravel));
      painter.drawLines(drawn->travels);
      painter.setPen(LinePen(kCut));
      painter.drawLines(drawn->cuts);
      painter.setPen(DotPen(kHole, kHoleDotPixels));
      painter.drawPoints(drawn->holes);
    }
  }
  painter.end();
  done_image_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
  done_image_.setDevicePixelRatio(devicePixelRatio());
  done_image_.fill(Qt::transparent);
  drawn_copy_ = 0;
  drawn_segments_ = 0;
  drawn_holes_ = 0;
  static_valid_ = true;
  ++static_renders_;
}

void LiveJobView::SetDone(bool drilling, int copy, long line) {
  if (drilling == done_drilling_ && copy == done_copy_ && line == done_line_) return;
  // Going back (a new run, another program) redraws the done image from the start.
  const bool back = drilling != done_drilling_ || copy < done_copy_ || (copy == done_copy_ && line < done_line_);
  done_drilling_ = drilling;
  done_copy_ = copy;
  done_line_ = line;
  if (back) static_valid_ = false;
  update();
}

void LiveJobView::RenderDone() {
  const Drawn& drawn = done_drilling_ ? drilling_ : engraving_;
  if (!drawn.path || done_copy_ < 0) return;
  const ProgramPath& path = *drawn.path;
  QPainter painter(&done_image_);
  const int last_copy = std::min(done_copy_, static_cast<int>(origins_.size()) - 1);
  for (; drawn_copy_ <= last_copy; ++drawn_copy_, drawn_segments_ = 0, drawn_holes_ = 0) {
    const bool whole = drawn_copy_ < done_copy_;
    const std::size_t segments = whole ? path.segments.size() : path.SegmentsBefore(done_line_);
    const std::size_t holes = whole ? path.drill_points.size() : HolesBefore(path, done_line_);
    painter.setTransform(CopyToScreen(drawn_copy_));
    painter.setPen(LinePen(kDone));
    painter.drawLines(SegmentLines(path, drawn_segments_, segments, true));
    painter.setPen(DotPen(kDone, kHoleDotPixels));
    for (std::size_t i = drawn_holes_; i < holes; ++i) painter.drawPoint(drawn.holes[static_cast<qsizetype>(i)]);
    drawn_segments_ = segments;
    drawn_holes_ = holes;
    if (!whole) break;  // the copy under way: its next moves at a later frame
  }
}

void LiveJobView::SetTool(double x, double y) {
  const QPointF at(x, y);
  if (at == tool_) return;
  tool_ = at;
  update();
}

void LiveJobView::SetResumeMark(std::optional<CopyOrigin> at) {
  resume_ = at;
  update();
}

void LiveJobView::paintEvent(QPaintEvent*) {
  if (!static_valid_ || static_image_.size() != size() * devicePixelRatio()) RenderStatic();
  RenderDone();
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), static_image_);
  painter.drawImage(QPoint(0, 0), done_image_);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QTransform first_copy = CopyToScreen(0);
  // The move under way, cut up to the tool.
  const Drawn& drawn = done_drilling_ ? drilling_ : engraving_;
  if (drawn.path && done_copy_ >= 0) {
    const std::size_t next = drawn.path->SegmentsBefore(done_line_);
    if (next < drawn.path->segments.size()) {
      const PathSegment& s = drawn.path->segments[next];
      if (s.line == done_line_ && s.kind == PathMoveKind::kCut) {
        const CopyOrigin& o = origins_[static_cast<std::size_t>(std::min<int>(done_copy_, static_cast<int>(origins_.size()) - 1))];
        painter.setPen(DotPen(kDone, 2));
        painter.drawLine(first_copy.map(QPointF(s.x0 + o.x, s.y0 + o.y)), first_copy.map(tool_));
      }
    }
  }
  if (resume_) {
    painter.setPen(DotPen(kResume, 2));
    const QPointF at = first_copy.map(QPointF(resume_->x, resume_->y));
    painter.drawEllipse(at, 6, 6);
  }
  const QPointF tool = first_copy.map(tool_);
  painter.setPen(DotPen(kTool, 2));
  painter.drawLine(tool - QPointF(kToolArmPixels, 0), tool + QPointF(kToolArmPixels, 0));
  painter.drawLine(tool - QPointF(0, kToolArmPixels), tool + QPointF(0, kToolArmPixels));
}

void LiveJobView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  zoom_.SetViewportSize(width(), height());
  if (!user_zoomed_) zoom_.Fit();
  ZoomChanged();
}

bool LiveJobView::event(QEvent* event) {
  if (ApplyZoomInput(event, zoom_)) {
    user_zoomed_ = true;
    ZoomChanged();
    return true;
  }
  return QWidget::event(event);
}

void LiveJobView::mousePressEvent(QMouseEvent* event) {
  drag_from_ = event->position();
  setFocus();
}

void LiveJobView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPointF delta = event->position() - drag_from_;
  drag_from_ = event->position();
  zoom_.PanBy(delta.x(), delta.y());
  user_zoomed_ = true;
  ZoomChanged();
}

void LiveJobView::mouseDoubleClickEvent(QMouseEvent*) { Fit(); }

}  // namespace pistora
