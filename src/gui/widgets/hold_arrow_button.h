#pragma once

#include <QToolButton>

namespace pistora {

// A press-and-hold arrow button (the jog arrows): pressed() when the mouse goes down on it,
// released() when it comes up, nothing repeated in between. Another window may forward its
// own button's press and release here with Press() and Release().
class HoldArrowButton final : public QToolButton {
  Q_OBJECT
 public:
  explicit HoldArrowButton(Qt::ArrowType arrow, QWidget* parent = nullptr);

  // Same effect as the mouse going down or up on the button.
  void Press();
  void Release();
};

}  // namespace pistora
