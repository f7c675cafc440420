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
  void FormActivate(int tick_ms = 100);

  QLabel* Label1 = nullptr;  // "VER 2.20"

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pistora
