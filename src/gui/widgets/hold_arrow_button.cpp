#include "gui/widgets/hold_arrow_button.h"

namespace pistora {

HoldArrowButton::HoldArrowButton(Qt::ArrowType arrow, QWidget* parent) : QToolButton(parent) {
  setArrowType(arrow);
  setAutoRepeat(false);
  setFocusPolicy(Qt::NoFocus);
}

void HoldArrowButton::Press() {
  setDown(true);
  emit pressed();
}

void HoldArrowButton::Release() {
  setDown(false);
  emit released();
}

}  // namespace pistora
