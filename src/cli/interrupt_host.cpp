#include "cli/interrupt_host.h"

#include <csignal>

namespace pistora::cli {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) { g_interrupted = 1; }

}  // namespace

InterruptHost::InterruptHost(MachineState& state) : state_(state) {
  g_interrupted = 0;
  previous_int_ = std::signal(SIGINT, OnInterrupt);
  previous_term_ = std::signal(SIGTERM, OnInterrupt);
}

InterruptHost::~InterruptHost() {
  std::signal(SIGINT, previous_int_);
  std::signal(SIGTERM, previous_term_);
}

void InterruptHost::PumpEvents() {
  if (g_interrupted) state_.StopFlag = true;
}

}  // namespace pistora::cli
