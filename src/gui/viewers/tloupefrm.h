#pragma once

#include <QWidget>

namespace pistora {

// The magnifier window: the frame of a magnifying glass over the mask window.
class Tloupefrm : public QWidget {
  Q_OBJECT
 public:
  explicit Tloupefrm(QWidget* parent = nullptr);
};

}  // namespace pistora
