#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;
class QWidget;

namespace pistora {

class MachineSession;
class Prompts;

inline constexpr const char* kCloseWhileMovingQuestion =
    "La machine est en mouvement. Arrêter la machine (STOP, sorties à 0, broche coupée) et fermer ?";

// Asks before a watched window closes while the machine moves. No: the window stays open and
// the machine goes on. Yes: the machine is halted (STOP at its next tick, then every output
// low) before the window closes.
class MachineCloseGuard final : public QObject {
 public:
  MachineCloseGuard(MachineSession& session, Prompts& prompts, QObject* parent = nullptr);

  void Watch(QWidget* window);

  // Whether a close may go on now (asking first when the machine moves).
  bool AllowClose();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MachineSession& session_;
  Prompts& prompts_;
};

// SIGINT and SIGTERM delivered to the event loop through a self-pipe: the handler only writes
// a byte; `on_signal` then runs on the window thread (it halts the machine and quits).
class InterruptSignals final : public QObject {
 public:
  explicit InterruptSignals(std::function<void()> on_signal, QObject* parent = nullptr);
  ~InterruptSignals() override;
  // False when the pipe or the handlers could not be set up (the default handlers stay).
  bool Installed() const { return installed_; }

 private:
  std::function<void()> on_signal_;
  QSocketNotifier* notifier_ = nullptr;
  bool installed_ = false;
};

}  // namespace pistora
