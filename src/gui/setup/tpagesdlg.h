#pragma once

#include <QDialog>

namespace pistora {

// The machine parameter dialog (cn.dat).
class TPagesDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TPagesDlg(QWidget* parent = nullptr);
};

}  // namespace pistora
