#include "gui/app/app_windows.h"

namespace pistora {

AppWindows& Windows() {
  static AppWindows windows;
  return windows;
}

}  // namespace pistora
