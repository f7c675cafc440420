#include "gui/viewers/tmasquefrm.h"

namespace pistora {

Tmasquefrm::Tmasquefrm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Tmasquefrm"));
  setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
  resize(300, 300);
}

}  // namespace pistora
