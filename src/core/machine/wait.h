#pragma once

#include <cstdint>

#include "core/host/clock.h"

namespace pistora {

// Waits until strictly more than `us` microseconds have elapsed on the clock and returns the
// elapsed microseconds. With no high-resolution clock it returns 0 at once. A real clock
// sleeps the bulk and spins the end; the processor is never given up near the deadline.
std::int64_t WaitMicroseconds(Clock& clock, std::int64_t us);

}  // namespace pistora
