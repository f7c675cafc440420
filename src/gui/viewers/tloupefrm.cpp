#include "gui/viewers/tloupefrm.h"

namespace pistora {

Tloupefrm::Tloupefrm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Tloupefrm"));
  setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
  resize(300, 300);
}

}  // namespace pistora
