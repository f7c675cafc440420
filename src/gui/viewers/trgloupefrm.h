#pragma once

#include <QWidget>

namespace pistora {

// The magnifier settings window (loupe.dat).
class Trgloupefrm : public QWidget {
  Q_OBJECT
 public:
  explicit Trgloupefrm(QWidget* parent = nullptr);
};

}  // namespace pistora
