#pragma once

#include <QWidget>

#include "core/settings/loupe_settings.h"

class QLabel;
class QTimer;

namespace pistora {

// The mask window: a borderless, always-on-top window cut from masque.bmp, showing an enlarged
// copy of the part of the main window under the mouse pointer (refreshed every 100 ms while
// the window is shown).
class MagnifierMask : public QWidget {
  Q_OBJECT
 public:
  explicit MagnifierMask(QWidget* parent = nullptr);

  // Loads masque.bmp, shapes and shows the window at the screen's top-left corner. On failure
  // the message is shown and the window stays hidden; returns false.
  bool ShowMaskOverlay();

  // Copies the square of the main window around the pointer into the enlarged picture.
  void Timer1Timer();

  // Half the side c of the copied square (pixels), from the next refresh on.
  void SetHalfSide(int half_side) { half_side_ = half_side; }
  int HalfSide() const { return half_side_; }
  // Puts the enlarged picture at (55 + offset x, 27 + offset y) inside the window.
  void SetPictureOffset(int offset_x, int offset_y);

  // The square of the main window's client area that the last refresh copied.
  const LoupeSquare& LastSource() const { return last_source_; }

  QLabel* Image1 = nullptr;  // the mask picture
  QLabel* Image2 = nullptr;  // the enlarged picture, 220 x 220
  QTimer* Timer1 = nullptr;

 private:
  void FormCreate();

  int half_side_ = pistora::HalfSide(kLoupeMinPosition);
  LoupeSquare last_source_;
};

}  // namespace pistora
