#include "gui/machine/machine_host.h"

#include <QCoreApplication>

namespace pistora {

void WindowHost::PumpEvents() {
  ++pumps_;
  if (hook_) hook_();
  QCoreApplication::processEvents();
}

}  // namespace pistora
