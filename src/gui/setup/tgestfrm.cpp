#include "gui/setup/tgestfrm.h"

namespace pistora {

Tgestfrm::Tgestfrm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Tgestfrm"));
  setWindowTitle(QString::fromUtf8("Réglage position de gravure"));
  resize(713, 467);
}

}  // namespace pistora
