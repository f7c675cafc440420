#include "core/machine/motion_thread.h"

#include <utility>

namespace pistora {

MotionThread::MotionThread(Mode mode) : mode_(mode) {
  if (mode_ == Mode::kThread) thread_ = std::thread([this] { Loop(); });
}

MotionThread::~MotionThread() { Shutdown(); }

void MotionThread::Post(std::function<void()> command) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (terminating_) return;
    pending_.fetch_add(1, std::memory_order_acq_rel);
    if (mode_ != Mode::kInline) queue_.push_back(std::move(command));
  }
  if (mode_ == Mode::kInline) {
    RunOne(command);
  } else {
    wake_.notify_one();
  }
}

void MotionThread::RunOne(std::function<void()>& command) {
  if (command) command();
  command = nullptr;  // what it captured goes before it counts as done
  {
    std::lock_guard<std::mutex> lock(mutex_);
    pending_.fetch_sub(1, std::memory_order_acq_rel);
  }
  idle_.notify_all();
}

int MotionThread::RunPending() {
  if (mode_ != Mode::kManual) return 0;
  int ran = 0;
  while (true) {
    std::function<void()> command;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (queue_.empty()) return ran;
      command = std::move(queue_.front());
      queue_.pop_front();
    }
    RunOne(command);
    ++ran;
  }
}

bool MotionThread::OnMotionThread() const {
  return mode_ == Mode::kThread && std::this_thread::get_id() == thread_.get_id();
}

void MotionThread::WaitIdle() {
  if (OnMotionThread() || mode_ == Mode::kManual) return;
  std::unique_lock<std::mutex> lock(mutex_);
  idle_.wait(lock, [this] { return pending_.load(std::memory_order_acquire) == 0; });
}

void MotionThread::Shutdown() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (terminating_ && !thread_.joinable()) return;
    terminating_ = true;
    pending_.fetch_sub(static_cast<int>(queue_.size()), std::memory_order_acq_rel);
    queue_.clear();
  }
  wake_.notify_all();
  idle_.notify_all();
  if (thread_.joinable() && !OnMotionThread()) thread_.join();
}

void MotionThread::Loop() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return terminating_ || !queue_.empty(); });
    if (terminating_) return;
    std::function<void()> command = std::move(queue_.front());
    queue_.pop_front();
    lock.unlock();
    RunOne(command);
    lock.lock();
  }
}

}  // namespace pistora
