#pragma once

#include <QWidget>

namespace pistora {

// The machine window: programs, manual moves, the machine state.
class Tgravefrm : public QWidget {
  Q_OBJECT
 public:
  explicit Tgravefrm(QWidget* parent = nullptr);
};

}  // namespace pistora
