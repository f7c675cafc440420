#include "core/machine/surfacing.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/text/message_translation.h"

namespace pistora {

Status CheckSurfacingPattern(const SurfacingPattern& pattern) {
  const double values[] = {pattern.size_x, pattern.size_y, pattern.pass_depth, pattern.step_over};
  if (!std::all_of(std::begin(values), std::end(values), [](double v) { return std::isfinite(v); })) {
    return Status::Error(Tr("Surfaçage : une des valeurs n'est pas un nombre."));
  }
  if (pattern.step_over <= 0) {
    return Status::Error(
        Tr("Surfaçage : l'encart entre deux passes doit être positif, sinon les passes se répètent sans fin."));
  }
  if (pattern.size_y / pattern.step_over > kMaxSurfacingPasses) {
    return Status::Error(Tr("Surfaçage : l'encart entre deux passes est trop petit pour la dimension Y."));
  }
  return Status::Ok();
}

SurfacingOutcome RunSurfacing(const SurfacingPattern& pattern, IsoMotion& motion, Host& host,
                              Status* status) {
  Status check = CheckSurfacingPattern(pattern);
  if (status != nullptr) *status = check;
  if (!check) return SurfacingOutcome::kRefused;

  motion.MoveTo(0, 0, -pattern.pass_depth);
  // The cutting height becomes Z 0: every later move runs at Z 0.
  motion.ZeroAxisZ();
  double y = 0;
  bool outward = true;
  while (true) {
    host.PumpEvents();
    if (!(y < pattern.size_y) || motion.StopLatched()) break;
    const double x = outward ? pattern.size_x : 0.0;
    motion.MoveTo(x, y, 0);
    outward = !outward;
    y += pattern.step_over;
    if (y > pattern.size_y) y = pattern.size_y;
    motion.MoveTo(x, y, 0);
  }
  const bool stopped = motion.StopLatched();
  motion.MoveTo(0, 0, 0);
  return stopped || motion.StopLatched() ? SurfacingOutcome::kStopped : SurfacingOutcome::kDone;
}

bool SurfacingPage::SetTableZero() {
  if (!controls_.table_zero) return false;
  state_ = SurfacingState::kZSetting;
  controls_ = {.table_zero = false, .z_target = true, .approach = true, .jog_up = true, .jog_down = true,
               .validate_z = true, .start_run = false};
  return true;
}

bool SurfacingPage::ValidateZ() {
  if (!controls_.validate_z) return false;
  state_ = SurfacingState::kReady;
  controls_ = {.start_run = true};
  return true;
}

bool SurfacingPage::StartRun() {
  if (!controls_.start_run) return false;
  state_ = SurfacingState::kRunning;
  controls_.start_run = false;
  controls_.z_target = false;
  controls_.approach = false;
  return true;
}

void SurfacingPage::FinishRun() {
  if (state_ == SurfacingState::kRunning) state_ = SurfacingState::kDone;
}

void SurfacingPage::CancelRun() {
  if (state_ != SurfacingState::kRunning) return;
  state_ = SurfacingState::kReady;
  controls_.start_run = true;
}

void SurfacingPage::Reset() {
  state_ = SurfacingState::kIdle;
  controls_.table_zero = true;
  controls_.z_target = false;
  controls_.approach = false;
  controls_.validate_z = false;
  controls_.start_run = false;
}

}  // namespace pistora
