#pragma once

#include <QImage>
#include <QWidget>

namespace pistora {

// The picture of part of a working bitmap, as its window drew it (at the view's zoom), with its
// mouse events passed on as signals in view coordinates (pixels from the view's top-left corner).
class BitmapView final : public QWidget {
  Q_OBJECT
 public:
  explicit BitmapView(QWidget* parent = nullptr);

  // The picture shown; the part outside `picture` stays white.
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }

 signals:
  void MouseDown(QPoint position, Qt::MouseButton button);
  void MouseMove(QPoint position, Qt::MouseButtons buttons);
  void MouseUp(QPoint position, Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace pistora
