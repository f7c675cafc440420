#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "core/machine/plate_preview.h"

namespace pistora {

// Colours of the plate preview and of its legend.
inline const QColor kCopperColour(255, 202, 174);
inline const QColor kForbiddenHatchColour(255, 0, 0);
inline const QColor kEngravedHatchColour(0, 255, 0);
inline const QColor kJobXorColour(255, 255, 0);      // over copper it shows blue 0, 53, 174
inline const QColor kEngravingLegendColour(0, 0, 255);

// The preview as drawn, W x H pixels: copper over (1, 1)–(W, H), the four border strips hatched
// with a red diagonal cross, and the job rectangle filled by exclusive-or with yellow. Rectangles
// are filled up to, not including, their right and bottom edges.
QImage RenderPlatePreview(const PlatePreview& preview);

// A legend sample: `base` filled, hatched with a diagonal cross of `hatch` when it is valid.
QPixmap LegendSample(QSize size, QColor base, QColor hatch = QColor());

// The plate preview of the copper plate window, one widget pixel per preview pixel. A mouse
// press (any button) starts dragging the job rectangle by its lower-left corner, a move carries
// it (kept inside the usable area), a release ends the drag. It is drawn from its model on every
// paint event.
class PlatePreviewView final : public QWidget {
  Q_OBJECT
 public:
  explicit PlatePreviewView(QWidget* parent = nullptr);

  const PlatePreview& Preview() const { return preview_; }
  // Shows `preview` (a fresh plate, or a test's own model).
  void SetPreview(const PlatePreview& preview);
  // What the widget shows.
  QImage Image() const { return RenderPlatePreview(preview_); }

  QSize sizeHint() const override { return {preview_.Width(), preview_.Height()}; }

 signals:
  // The job rectangle moved: the start point changed.
  void StartPointMoved();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  PlatePreview preview_;
};

}  // namespace pistora
