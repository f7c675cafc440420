#pragma once

#include <QColor>
#include <QWidget>

namespace pistora {

// A small round lamp: lit in its colour, dark grey when off. The main window's lamps mark
// the step the user is to take next.
class LedLamp final : public QWidget {
  Q_OBJECT
 public:
  explicit LedLamp(QWidget* parent = nullptr, QColor on_colour = QColor(0, 200, 0));

  bool Active() const { return active_; }
  void SetActive(bool active);

  QSize sizeHint() const override { return {16, 16}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor on_colour_;
  bool active_ = false;
};

}  // namespace pistora
