#include "gui/adapters/translations.h"
#include "gui/app/safe_shutdown.h"

#include <QCloseEvent>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "core/machine/machine_session.h"
#include "gui/adapters/prompts.h"

namespace pistora {

namespace {

int g_signal_pipe[2] = {-1, -1};

extern "C" void OnInterruptSignal(int) {
  const char byte = 1;
  // Nothing to do on failure: a full pipe already holds a wake-up.
  [[maybe_unused]] const ssize_t written = ::write(g_signal_pipe[1], &byte, 1);
}

}  // namespace

MachineCloseGuard::MachineCloseGuard(MachineSession& session, Prompts& prompts, QObject* parent)
    : QObject(parent), session_(session), prompts_(prompts) {}

void MachineCloseGuard::Watch(QWidget* window) { window->installEventFilter(this); }

bool MachineCloseGuard::AllowClose() {
  if (!session_.Busy() && !session_.JogActive()) return true;
  if (!prompts_.Confirm(TrMessage(kCloseWhileMovingQuestion))) return false;
  session_.Halt();
  session_.Poll();
  return true;
}

bool MachineCloseGuard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close && !AllowClose()) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

InterruptSignals::InterruptSignals(std::function<void()> on_signal, QObject* parent)
    : QObject(parent), on_signal_(std::move(on_signal)) {
  if (g_signal_pipe[0] >= 0 || ::pipe2(g_signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(g_signal_pipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (::read(g_signal_pipe[0], bytes, sizeof bytes) > 0) {
    }
    if (on_signal_) on_signal_();
  });
  struct sigaction action = {};
  action.sa_handler = OnInterruptSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  installed_ = ::sigaction(SIGINT, &action, nullptr) == 0 && ::sigaction(SIGTERM, &action, nullptr) == 0;
}

InterruptSignals::~InterruptSignals() {
  if (notifier_ == nullptr) return;  // another instance owns the pipe
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  delete notifier_;
  ::close(g_signal_pipe[0]);
  ::close(g_signal_pipe[1]);
  g_signal_pipe[0] = g_signal_pipe[1] = -1;
}

}  // namespace pistora
