#include "hw/steady_clock.h"

#include <sched.h>
#include <sys/resource.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <time.h>

#include <cerrno>
#include <cstring>

namespace pistora {

namespace {

std::int64_t MonotonicMicros() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

inline void CpuRelax() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#endif
}

bool SetFifo(int priority) {
  sched_param param{};
  param.sched_priority = priority;
  return sched_setscheduler(0, SCHED_FIFO, &param) == 0;
}

void SetNormal() {
  sched_param param{};
  param.sched_priority = 0;
  sched_setscheduler(0, SCHED_OTHER, &param);
}

}  // namespace

bool LockCurrentMemory() { return mlockall(MCL_CURRENT) == 0; }

RealTimeSetup PrepareRealTime(int priority) {
  RealTimeSetup setup;
  // Timer slack defaults to 50 µs for normal threads: a whole tick.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  const bool locked = LockCurrentMemory();
  if (!SetFifo(priority)) {
    setup.message = std::string("Ordonnancement temps réel refusé (") + std::strerror(errno) +
                    ") : la cadence des impulsions sera moins régulière.";
    return setup;
  }
  SetNormal();
  setup.real_time = true;
  if (!locked) setup.message = "Mémoire non verrouillée : des impulsions pourront être retardées.";
  return setup;
}

SteadyClock::SteadyClock(bool real_time, int priority)
    : real_time_(real_time), priority_(priority) {
  timespec res{};
  high_resolution_ =
      clock_getres(CLOCK_MONOTONIC, &res) == 0 && res.tv_sec == 0 && res.tv_nsec <= 1000;
}

std::int64_t SteadyClock::NowMicros() { return MonotonicMicros(); }

std::int64_t SteadyClock::NowMillis() { return MonotonicMicros() / 1000; }

void SteadyClock::EnterFifo(std::int64_t now_us) {
  fifo_now_ = SetFifo(priority_);
  span_start_us_ = now_us;
}

void SteadyClock::LeaveFifo(std::int64_t now_us, bool stretch_goes_on) {
  SetNormal();
  // Inside a move the normal-priority span runs at the highest nice level, so a normal task
  // waking on this processor seldom takes it for a whole time slice; after the move the thread
  // gets its own nice level back.
  setpriority(PRIO_PROCESS, 0, stretch_goes_on ? -20 : nice_);
  fifo_now_ = false;
  span_start_us_ = now_us;
}

void SteadyClock::ShareProcessor(std::int64_t now_us) {
  if (!real_time_ || steady_depth_ == 0) return;
  const std::int64_t span = now_us - span_start_us_;
  if (fifo_now_ && span >= kFifoSpanUs) {
    LeaveFifo(now_us, true);
  } else if (!fifo_now_ && span >= kNormalSpanUs) {
    EnterFifo(now_us);
  }
}

void SteadyClock::SleepUntilMicros(std::int64_t deadline_us) {
  std::int64_t now = MonotonicMicros();
  ShareProcessor(now);
  if (spin_margin_us_ > 0) {
    const std::int64_t wake_us = deadline_us - spin_margin_us_;
    if (wake_us > now) {
      timespec wake{};
      wake.tv_sec = wake_us / 1000000;
      wake.tv_nsec = (wake_us % 1000000) * 1000;
      while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr) == EINTR) {
      }
      now = MonotonicMicros();
    }
  }
  while (now < deadline_us) {
    CpuRelax();
    now = MonotonicMicros();
  }
}

void SteadyClock::BeginSteadyTiming() {
  if (steady_depth_++ == 0 && real_time_) {
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, 0);
    nice_ = errno == 0 ? nice : 0;
    EnterFifo(MonotonicMicros());
  }
}

void SteadyClock::EndSteadyTiming() {
  if (steady_depth_ > 0 && --steady_depth_ == 0 && real_time_) LeaveFifo(MonotonicMicros(), false);
}

}  // namespace pistora
