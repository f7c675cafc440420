#include "gui/viewers/trgloupefrm.h"

namespace pistora {

Trgloupefrm::Trgloupefrm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Trgloupefrm"));
  setWindowTitle(QString::fromUtf8("Réglage Loupe"));
  resize(305, 190);
}

}  // namespace pistora
