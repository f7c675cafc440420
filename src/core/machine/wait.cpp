#include "core/machine/wait.h"

namespace pistora {

std::int64_t WaitMicroseconds(Clock& clock, std::int64_t us) {
  if (!clock.HighResolution()) return 0;
  const std::int64_t start = clock.NowMicros();
  if (us >= 0) clock.SleepUntilMicros(start + us + 1);
  std::int64_t elapsed = clock.NowMicros() - start;
  while (elapsed <= us) elapsed = clock.NowMicros() - start;
  return elapsed;
}

}  // namespace pistora
