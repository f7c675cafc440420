#include "gui/machine/tgravefrm.h"

namespace pistora {

Tgravefrm::Tgravefrm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Tgravefrm"));
  setWindowTitle(QString::fromUtf8("Gravure de circuits imprimés"));
  resize(689, 527);
}

}  // namespace pistora
