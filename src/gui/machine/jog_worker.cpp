#include "gui/machine/jog_worker.h"

#include <QMetaObject>
#include <chrono>

#include "core/machine/jogging.h"

namespace pistora {

namespace {

std::int64_t SteadyMicros() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

JogWorker::JogWorker(QObject* context, std::function<void()> step)
    : context_(context), step_(std::move(step)), thread_([this] { Loop(); }) {}

JogWorker::~JogWorker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    terminating_ = true;
    running_ = false;
  }
  wake_.notify_all();
  thread_.join();
}

void JogWorker::Resume(std::int64_t period_us) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    running_ = true;
    period_us_ = period_us;
    ++generation_;
  }
  wake_.notify_all();
}

void JogWorker::Suspend() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    running_ = false;
    ++generation_;
  }
  wake_.notify_all();
}

bool JogWorker::Running() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return running_;
}

std::int64_t JogWorker::StepsRun() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return steps_run_;
}

void JogWorker::Loop() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return terminating_ || running_; });
    if (terminating_) return;
    const std::uint64_t generation = generation_;
    JogSchedule schedule(period_us_);
    schedule.Start(SteadyMicros());
    while (running_ && !terminating_ && generation == generation_) {
      const std::uint64_t ask = ++asked_;
      lock.unlock();
      // Queued, not blocking: the window's destructor can then stop this thread while a step
      // is still asked for without either side waiting on the other.
      const bool posted = context_ && QMetaObject::invokeMethod(
                                          context_.data(),
                                          [this, ask] {
                                            step_();
                                            {
                                              std::lock_guard<std::mutex> done_lock(mutex_);
                                              done_ = ask;
                                              ++steps_run_;
                                            }
                                            wake_.notify_all();
                                          },
                                          Qt::QueuedConnection);
      lock.lock();
      if (!posted) {
        running_ = false;
        break;
      }
      wake_.wait(lock, [&] { return terminating_ || done_ >= ask || generation != generation_; });
      if (terminating_ || generation != generation_) break;
      const std::int64_t due = schedule.Next(SteadyMicros());
      wake_.wait_until(lock,
                       std::chrono::steady_clock::time_point(std::chrono::microseconds(due)),
                       [&] { return terminating_ || generation != generation_; });
    }
  }
}

}  // namespace pistora
