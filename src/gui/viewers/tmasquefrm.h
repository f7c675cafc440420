#pragma once

#include <QWidget>

namespace pistora {

// The mask window: an enlarged copy of the main window under the pointer.
class Tmasquefrm : public QWidget {
  Q_OBJECT
 public:
  explicit Tmasquefrm(QWidget* parent = nullptr);
};

}  // namespace pistora
