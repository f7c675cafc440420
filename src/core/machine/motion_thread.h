#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace pistora {

// Runs the machine's motion commands (a move, a homing cycle, a jog, a program with its copies,
// a surfacing run, a placement) one at a time and in order, on the thread that makes the step
// pulses. The windows post commands and return at once; they never run inside a move.
//
//  kThread  one dedicated thread, started at construction (the only one that runs under
//           real-time scheduling: the clock raises it for each move, see SteadyTimingScope).
//  kInline  each command runs on the caller inside Post (the command line, and window tests
//           that let events run from inside a move on a virtual clock).
//  kManual  commands wait in the queue until RunPending runs them on the caller (tests that
//           drive the motion loop step by step).
class MotionThread {
 public:
  enum class Mode { kInline, kManual, kThread };

  explicit MotionThread(Mode mode);
  // Shutdown().
  ~MotionThread();
  MotionThread(const MotionThread&) = delete;
  MotionThread& operator=(const MotionThread&) = delete;

  Mode GetMode() const { return mode_; }

  // Queues `command` (kInline: runs it now). Dropped once Shutdown has begun.
  void Post(std::function<void()> command);

  // kManual: runs the queued commands, including those they post, on the caller. Returns how
  // many ran.
  int RunPending();

  // From Post until its command has returned.
  bool Busy() const { return pending_.load(std::memory_order_acquire) > 0; }

  // Whether the caller is the dedicated thread (always false outside kThread).
  bool OnMotionThread() const;

  // Blocks until no command is queued or running; at once on the motion thread itself.
  void WaitIdle();

  // Drops the queued commands and joins the thread once the running command has returned (the
  // caller latches the stop first so that it returns at its next tick). Calling it again does
  // nothing.
  void Shutdown();

 private:
  void Loop();
  void RunOne(std::function<void()>& command);

  const Mode mode_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::deque<std::function<void()>> queue_;
  std::atomic<int> pending_{0};
  bool terminating_ = false;
  std::thread thread_;
};

}  // namespace pistora
