#pragma once

#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace pistora {

// The jog worker: a thread that only paces. While resumed it asks the user-interface thread to
// run one jog step, waits until that step has run, waits out the step period (JogSchedule) and
// asks again. Resume on the arrow's press, Suspend on its release. Destroying it stops the
// thread and waits for it; a step it asked for and that has not run yet never runs once the
// context object is gone (Qt drops it with the object).
class JogWorker {
 public:
  // `step` runs on the thread of `context` (the window), one call per request.
  JogWorker(QObject* context, std::function<void()> step);
  ~JogWorker();
  JogWorker(const JogWorker&) = delete;
  JogWorker& operator=(const JogWorker&) = delete;

  void Resume(std::int64_t period_us);
  void Suspend();
  bool Running() const;
  // Steps the worker asked for and saw run since it was made.
  std::int64_t StepsRun() const;

 private:
  void Loop();

  QPointer<QObject> context_;
  std::function<void()> step_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool running_ = false;
  bool terminating_ = false;
  std::int64_t period_us_ = 0;
  std::uint64_t generation_ = 0;  // bumped by each Resume and Suspend
  std::uint64_t asked_ = 0;
  std::uint64_t done_ = 0;
  std::int64_t steps_run_ = 0;
  std::thread thread_;
};

}  // namespace pistora
