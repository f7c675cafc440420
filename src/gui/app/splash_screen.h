#pragma once

#include <QWidget>

class QLabel;

namespace pistora {

// The start-up window "Chargement": a borderless 300 x 257 picture with the version.
class SplashScreen : public QWidget {
  Q_OBJECT
 public:
  explicit SplashScreen(QWidget* parent = nullptr);

  // Keeps the window on screen for twenty times `tick_ms`, serving events after each wait.
  void HoldOnScreen(int tick_ms = 100);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* version_label_ = nullptr;  // "VER 2.20"
};

}  // namespace pistora
