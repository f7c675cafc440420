#include "gui/setup/tpagesdlg.h"

namespace pistora {

TPagesDlg::TPagesDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TPagesDlg"));
  setWindowTitle(QString::fromUtf8("Paramétrage"));
  resize(603, 300);
}

}  // namespace pistora
