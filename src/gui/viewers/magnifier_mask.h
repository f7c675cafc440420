#pragma once

#include <QWidget>

#include "core/settings/loupe_settings.h"

class QLabel;
class QTimer;

namespace pistora {

class Prompts;

// The mask window: a borderless, always-on-top window cut from masque.bmp, showing an enlarged
// copy of the part of the main window under the mouse pointer (refreshed every 100 ms while
// the window is shown). It reads loupe.dat when it is made.
class MagnifierMask : public QWidget {
  Q_OBJECT
 public:
  // `source`: the window whose client area is enlarged; `prompts`: where the messages go.
  MagnifierMask(Prompts& prompts, QWidget& source, QWidget* parent = nullptr);

  // Loads masque.bmp, shapes and shows the window at the screen's top-left corner. On failure
  // the message is shown and the window stays hidden; returns false.
  bool ShowMaskOverlay();

  // Copies the square of the source window around the pointer into the enlarged picture.
  void Refresh();

  // Half the side c of the copied square (pixels), from the next refresh on.
  void SetHalfSide(int half_side) { half_side_ = half_side; }
  int HalfSide() const { return half_side_; }
  // Puts the enlarged picture at (55 + offset x, 27 + offset y) inside the window.
  void SetPictureOffset(int offset_x, int offset_y);

  // The square of the source window's client area that the last refresh copied.
  const LoupeSquare& LastSource() const { return last_source_; }

 private:
  void LoadSettings();

  Prompts& prompts_;
  QWidget& source_;
  QLabel* mask_picture_ = nullptr;
  QLabel* enlarged_picture_ = nullptr;  // 220 x 220
  QTimer* refresh_timer_ = nullptr;
  int half_side_ = pistora::HalfSide(kLoupeMinPosition);
  LoupeSquare last_source_;
};

}  // namespace pistora
