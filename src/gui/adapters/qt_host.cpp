#include "gui/adapters/qt_host.h"

#include <QCoreApplication>

#include "gui/main/main_window.h"

namespace pistora {

void QtHost::PumpEvents() {
  if (pump_hook_) pump_hook_();
  const auto now = std::chrono::steady_clock::now();
  if (event_loop_runs_ > 0 && now - last_run_ < kPumpInterval) return;
  QCoreApplication::processEvents();
  // Measured after the events ran: a slow repaint does not make the next call run again at once.
  last_run_ = std::chrono::steady_clock::now();
  ++event_loop_runs_;
}

void QtHost::RefreshView(View view) {
  if (view == View::Artwork) {
    form_.ShowArtworkView();
  } else {
    form_.ShowEngravingView();
  }
}

void QtHost::ShowProgress(long value, long maximum) {
  // QProgressBar counts in int; bitmap heights stay far below its range.
  form_.ShowProgress(static_cast<int>(value), static_cast<int>(maximum));
}

}  // namespace pistora
