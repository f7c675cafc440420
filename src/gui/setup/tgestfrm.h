#pragma once

#include <QWidget>

namespace pistora {

// The copper plate window: places the job on the stock.
class Tgestfrm : public QWidget {
  Q_OBJECT
 public:
  explicit Tgestfrm(QWidget* parent = nullptr);
};

}  // namespace pistora
