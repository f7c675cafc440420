#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

namespace pistora {

// The STOP disc: a red circle with the word "STOP" inside a ring. The ring is light yellow
// while the machine may run and red while the stop latch holds, so the whole disc shows red.
// A mouse press anywhere on the disc (ring, circle or word) emits Pressed(); the owner sets the
// latch. The word is a label of its own, which the owner names so language files reach it.
class StopDisc final : public QWidget {
  Q_OBJECT
 public:
  // `ring_colour`: the ring's colour while not stopped.
  explicit StopDisc(QWidget* parent = nullptr, QColor ring_colour = QColor(255, 255, 128));

  // Red ring (stopped) or the given colour ("Raz" paints it pure yellow, 255, 255, 0).
  void PaintRing(QColor colour);
  void PaintRed() { PaintRing(QColor(255, 0, 0)); }
  QColor RingColour() const { return ring_colour_; }
  bool ShowsRed() const { return ring_colour_ == QColor(255, 0, 0); }

  // The word "STOP" in the middle.
  QLabel* Word() const { return word_; }

  QSize sizeHint() const override { return {64, 64}; }

 signals:
  void Pressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QColor ring_colour_;
  QLabel* word_;
};

}  // namespace pistora
