#include "core/machine/tick_calibration.h"

#include <gtest/gtest.h>

#include "hw/virtual_clock.h"

namespace pistora {
namespace {

// A port whose every access takes `access_us` of the virtual clock, as a slow card or bus would.
class SlowPort final : public PortIo {
 public:
  SlowPort(VirtualClock& clock, std::int64_t access_us) : clock_(clock), access_us_(access_us) {}
  bool Open() override { return true; }
  void Close() override {}
  std::uint8_t Read(std::uint16_t) override {
    clock_.Advance(access_us_);
    return 0;
  }
  void Write(std::uint16_t, std::uint8_t) override { clock_.Advance(access_us_); }
  bool Healthy() const override { return true; }
  std::string LastError() const override { return {}; }
  std::string Description() const override { return "slow"; }

 private:
  VirtualClock& clock_;
  std::int64_t access_us_;
};

// The tick's work within the tick is absorbed by the pacer's deadlines (49 stays); work longer than
// the tick cannot be, whatever the wait, and is said; a clock without microseconds measures nothing.
TEST(TickCalibration, ProposesTheWaitThatKeeps50MicrosecondsOrSaysItCannot) {
  const struct {
    const char* name;
    std::int64_t access_us;  // per port access, two accesses a tick; -1: no port
    bool keeps;
  } cases[] = {{"no port", -1, true}, {"quick port", 1, true}, {"port at 20 us", 20, true}, {"port at 40 us", 40, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    VirtualClock clock;
    SlowPort port(clock, c.access_us);
    const TickCalibration result = CalibrateTick(clock, c.access_us < 0 ? nullptr : &port, 0x378, 100000);
    EXPECT_TRUE(result.high_resolution);
    EXPECT_GT(result.ticks, 1000);
    EXPECT_EQ(result.keeps_50us, c.keeps);
    if (c.keeps) {
      EXPECT_EQ(result.proposed_tick_wait_us, 49);
      EXPECT_NEAR(result.mean_tick_us, 50.0, 0.5);
      EXPECT_EQ(CalibrationReport(result).find("ne tient pas"), std::string::npos);
    } else {
      EXPECT_GT(result.mean_tick_us, 50.5);
      EXPECT_NE(CalibrationReport(result).find("ne tient pas"), std::string::npos);
    }
  }
  VirtualClock coarse(1, false);
  const TickCalibration none = CalibrateTick(coarse, nullptr, 0x378, 100000);
  EXPECT_FALSE(none.high_resolution);
  EXPECT_EQ(none.ticks, 0);
}

}  // namespace
}  // namespace pistora
