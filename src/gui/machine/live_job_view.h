#pragma once

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QTransform>
#include <QVector>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "core/artwork/view_zoom.h"
#include "core/machine/program_path.h"

namespace pistora {

// The machine window's live view: the loaded programs over the copper plate, each copy at its
// origin, what has been cut, the tool as a cross and the point a stopped run resumes from.
// Content is in millimetres of the plate from its lower-left corner, Y up; zoom, fit and pan
// go through the shared ViewZoom and ApplyZoomInput (drag with the mouse pans, a double click
// fits).
//
// Painting stays cheap on programs of 100k+ moves: the plate and the paths are drawn once per
// zoom, pan or size into an image; what is cut is drawn into a second image as it grows (only
// the moves done since the last frame); each frame blits both and draws the move under way,
// the tool and the resume mark.
class LiveJobView final : public QWidget {
  Q_OBJECT
 public:
  explicit LiveJobView(QWidget* parent = nullptr);

  // The plate and its unusable border strips (mm), and where the first copy's work zero is on
  // it (mm from its lower-left corner).
  void SetPlate(double width_mm, double height_mm, double border_x_mm, double border_y_mm, double zero_x_mm,
                double zero_y_mm);
  // The programs (either may be null) and the copies' origins (mm from the first copy's work
  // zero, in run order). Forgets what was done, and fits the view unless it was zoomed or
  // panned by hand.
  void SetJob(std::shared_ptr<const ProgramPath> engraving, std::shared_ptr<const ProgramPath> drilling,
              std::vector<CopyOrigin> origins);
  // What is cut: in the drilling program or the engraving one, every copy before `copy` and the
  // lines before `line` in it; nothing when `copy` < 0.
  void SetDone(bool drilling, int copy, long line);
  // The tool (mm from the first copy's work zero); repaints only when it moved.
  void SetTool(double x, double y);
  // The resume mark (mm from the first copy's work zero), or none.
  void SetResumeMark(std::optional<CopyOrigin> at);
  void Fit();

  const ViewZoom& Zoom() const { return zoom_; }
  // How many times the plate and the paths were drawn into the cached image.
  int StaticRenders() const { return static_renders_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // One program's moves as lines (mm from its copy's work zero), by kind.
  struct Drawn {
    std::shared_ptr<const ProgramPath> path;
    QVector<QLineF> cuts;
    QVector<QLineF> travels;
    QVector<QPointF> holes;
  };
  static Drawn Prepare(std::shared_ptr<const ProgramPath> path);
  void UpdateContent();
  QTransform PlateToScreen() const;
  QTransform CopyToScreen(int copy) const;
  void RenderStatic();
  // Draws into the done image the moves done since the last call (all of them after a reset).
  void RenderDone();
  void ZoomChanged();

  ViewZoom zoom_;
  double plate_width_ = 0, plate_height_ = 0;
  double border_x_ = 0, border_y_ = 0;
  double zero_x_ = 0, zero_y_ = 0;
  double left_ = 0, top_ = 0;  // plate mm at the content's top-left corner
  Drawn engraving_, drilling_;
  std::vector<CopyOrigin> origins_;
  bool done_drilling_ = false;
  int done_copy_ = -1;
  long done_line_ = 0;
  // How far the done image goes: copy, segments and holes of that copy.
  int drawn_copy_ = 0;
  std::size_t drawn_segments_ = 0;
  std::size_t drawn_holes_ = 0;
  QPointF tool_;
  std::optional<CopyOrigin> resume_;
  QImage static_image_;
  QImage done_image_;
  bool static_valid_ = false;
  bool user_zoomed_ = false;  // zoomed or panned by hand: a resize keeps it, Fit() ends it
  int static_renders_ = 0;
  QPointF drag_from_;
};

}  // namespace pistora
