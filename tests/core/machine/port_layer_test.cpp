#include "core/machine/port_layer.h"

#include <gtest/gtest.h>

#include "core/machine/recording_port.h"
#include "hw/virtual_clock.h"

namespace pistora {
namespace {

using testing::RecordingDisplay;
using testing::RecordingPort;

class PortLayerTest : public ::testing::Test {
 protected:
  PortLayerTest() : port_(clock_), layer_(port_, clock_, display_) { layer_.StartPortDriver(); }

  void Apply() { layer_.SetParameters(params_); }

  VirtualClock clock_;
  RecordingPort port_;
  RecordingDisplay display_;
  PortLayer layer_;
  MachineParameters params_;
};

TEST_F(PortLayerTest, StepPulseFollowsThePolarityAndLastsAtLeastMinPulse) {
  struct Row {
    const char* name;
    bool inverted;
    std::vector<std::uint8_t> writes;
  };
  const Row rows[] = {
      {"active high", false, {0x01, 0x00}},
      {"active low", true, {0x00, 0x01}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    params_.StepXOutput = 0x01;
    params_.StepXInverted = r.inverted;
    params_.MinPulseUs = 60;
    Apply();
    layer_.ResetOutputs();
    port_.writes.clear();
    layer_.StepPulse(Axis::X);
    ASSERT_EQ(port_.Values(), r.writes);
    EXPECT_GE(port_.writes[1].micros - port_.writes[0].micros, 60);
    EXPECT_EQ(port_.writes[0].address, 0x378);
    EXPECT_EQ(layer_.OutputShadow(), r.writes.back());
  }
}

TEST_F(PortLayerTest, DirectionFollowsThePolarityAndIsAlwaysWritten) {
  struct Row {
    const char* name;
    bool inverted;
    bool positive;
    std::uint8_t shadow_before;
    std::uint8_t written;
  };
  const Row rows[] = {
      {"plain positive", false, true, 0x00, 0x02},
      {"plain negative", false, false, 0x03, 0x01},
      {"inverted positive", true, true, 0x03, 0x01},
      {"inverted negative", true, false, 0x01, 0x03},
      {"unchanged byte still written", false, true, 0x02, 0x02},
  };
  params_.DirXOutput = 0x02;
  params_.StepXOutput = 0x01;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    params_.DirXInverted = r.inverted;
    Apply();
    // Bring the shadow to the row's starting byte through the layer itself.
    layer_.ResetOutputs();
    if (r.shadow_before & 0x02) layer_.SetDirection(Axis::X, !r.inverted);
    if (r.shadow_before & 0x01) {
      params_.StepXInverted = true;  // idle level of an active-low step is high
      Apply();
      layer_.StepPulse(Axis::X);
      params_.StepXInverted = false;
      Apply();
    }
    ASSERT_EQ(layer_.OutputShadow(), r.shadow_before);
    port_.writes.clear();
    layer_.SetDirection(Axis::X, r.positive);
    EXPECT_EQ(port_.Values(), std::vector<std::uint8_t>{r.written});
  }
}

TEST_F(PortLayerTest, LimitSwitchFollowsThePolarityAndDrivesItsLamp) {
  struct Row {
    std::uint8_t status;
    bool inverted;
    bool active;
  };
  const Row rows[] = {
      {0x7F, false, false}, {0x3F, false, true}, {0x7F, true, true}, {0x3F, true, false},
  };
  params_.LimitZInput = 0x40;
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << std::hex << int(r.status) << " inverted " << r.inverted);
    params_.LimitZInverted = r.inverted;
    Apply();
    port_.status = r.status;
    port_.reads.clear();
    EXPECT_EQ(layer_.ReadLimit(Axis::Z), r.active);
    EXPECT_EQ(display_.Lamp(Lamp::LimitZ), r.active);
    EXPECT_EQ(port_.reads, std::vector<std::uint16_t>{0x379});
  }
}

TEST_F(PortLayerTest, UnwiredSignalsStillWriteAndWaitAndReadAsSet) {
  params_.MinPulseUs = 60;
  Apply();
  layer_.ResetOutputs();
  port_.writes.clear();
  layer_.StepPulse(Axis::Y);
  layer_.SetDirection(Axis::Y, false);
  ASSERT_EQ(port_.Values(), (std::vector<std::uint8_t>{0, 0, 0}));
  EXPECT_GE(port_.writes[1].micros - port_.writes[0].micros, 60);

  // Mask 0: the bit always reads 1, so the switch is active exactly when inverted.
  port_.status = 0x00;
  EXPECT_FALSE(layer_.ReadLimit(Axis::X));
  params_.LimitXInverted = true;
  Apply();
  port_.status = 0xFF;
  EXPECT_TRUE(layer_.ReadLimit(Axis::X));
  EXPECT_TRUE(display_.Lamp(Lamp::LimitX));
}

TEST_F(PortLayerTest, SignalsSharingAPinShareTheBit) {
  params_.StepXOutput = 0x04;
  params_.DirYOutput = 0x04;
  Apply();
  layer_.ResetOutputs();
  port_.writes.clear();
  layer_.SetDirection(Axis::Y, true);
  layer_.StepPulse(Axis::X);  // the trailing edge clears Y's direction too
  EXPECT_EQ(port_.Values(), (std::vector<std::uint8_t>{0x04, 0x04, 0x00}));
}

TEST_F(PortLayerTest, EmergencyStopIsReadWithTheLimitByte) {
  params_.LimitXInput = 0x08;
  params_.EStopInput = 0x80;
  Apply();
  port_.status = 0x7F;  // Busy reads 0: e-stop active; Error reads 1: limit open
  port_.reads.clear();
  EXPECT_FALSE(layer_.ReadLimit(Axis::X));
  EXPECT_TRUE(layer_.EStopSeen());
  EXPECT_TRUE(display_.Lamp(Lamp::EStop));
  EXPECT_EQ(port_.reads.size(), 1u);
  port_.status = 0xFF;
  EXPECT_FALSE(layer_.ReadEStop());
  EXPECT_FALSE(display_.Lamp(Lamp::EStop));

  params_.EStopInput = 0;  // not wired: never active, lamp untouched
  Apply();
  display_.lamps[static_cast<int>(Lamp::EStop)] = true;
  port_.status = 0x00;
  EXPECT_FALSE(layer_.ReadEStop());
  EXPECT_TRUE(display_.Lamp(Lamp::EStop));
}

TEST_F(PortLayerTest, WithoutDriverOrWithPortDisabledNothingReachesThePort) {
  EXPECT_STREQ(layer_.DriverMessage(), "Driver port parallèle correctement chargé !");
  params_.StepXOutput = 0x01;
  params_.PortBase = 0;
  Apply();
  port_.writes.clear();
  layer_.StepPulse(Axis::X);
  EXPECT_EQ(layer_.ReadPort(1), 0);
  EXPECT_TRUE(port_.writes.empty());
  EXPECT_TRUE(port_.reads.empty());

  RecordingPort closed(clock_);
  closed.open_result = false;
  PortLayer layer(closed, clock_, display_);
  EXPECT_FALSE(layer.StartPortDriver());
  EXPECT_STREQ(layer.DriverMessage(), "Impossible de charger le driver du port parallèle !");
  layer.ResetOutputs();
  EXPECT_EQ(layer.ReadPort(0x379), 0);
  EXPECT_TRUE(closed.writes.empty());
  EXPECT_TRUE(closed.reads.empty());
  layer.StopPortDriver();
  EXPECT_EQ(closed.close_count, 0);  // nothing to give back

  layer_.StopPortDriver();
  EXPECT_EQ(port_.close_count, 1);
}

TEST(SignalMap, DecodingUndoesEncodingForEveryPolarity) {
  for (bool inverted : {false, true}) {
    for (std::uint8_t mask = 1; mask != 0; mask = static_cast<std::uint8_t>(mask << 1)) {
      const OutputSignal out{mask, inverted};
      for (bool level : {false, true}) {
        EXPECT_EQ(StepActiveIn(WithStepLevel(0x5A, out, level), out), level);
        EXPECT_EQ(DirectionPositiveIn(WithDirection(0xA5, out, level), out), level);
      }
      const InputSignal in{mask, inverted};
      for (bool active : {false, true}) {
        EXPECT_EQ(InputActive(WithInputLevel(0x3C, in, active), in), active);
      }
    }
  }
}

TEST(SignalMap, BuildsEverySignalFromItsOwnFields) {
  MachineParameters p;
  p.StepXOutput = 0x01; p.DirXOutput = 0x02; p.StepYOutput = 0x04; p.DirYOutput = 0x08;
  p.StepZOutput = 0x10; p.DirZOutput = 0x20; p.SpindleOutput = 0x40;
  p.LimitXInput = 0x08; p.LimitYInput = 0x10; p.LimitZInput = 0x20; p.ProbeInput = 0x40;
  p.EStopInput = 0x80;
  p.DirYInverted = true; p.StepZInverted = true; p.ProbeInverted = true; p.LimitXInverted = true;
  const SignalMap m = BuildSignalMap(p);
  EXPECT_EQ(m.step[0], (OutputSignal{0x01, false}));
  EXPECT_EQ(m.direction[0], (OutputSignal{0x02, false}));
  EXPECT_EQ(m.step[1], (OutputSignal{0x04, false}));
  EXPECT_EQ(m.direction[1], (OutputSignal{0x08, true}));
  EXPECT_EQ(m.step[2], (OutputSignal{0x10, true}));
  EXPECT_EQ(m.direction[2], (OutputSignal{0x20, false}));
  EXPECT_EQ(m.spindle, (OutputSignal{0x40, false}));
  EXPECT_EQ(m.limit[0], (InputSignal{0x08, true}));
  EXPECT_EQ(m.limit[1], (InputSignal{0x10, false}));
  EXPECT_EQ(m.limit[2], (InputSignal{0x20, false}));
  EXPECT_EQ(m.probe, (InputSignal{0x40, true}));
  EXPECT_EQ(m.estop, (InputSignal{0x80, false}));
}

}  // namespace
}  // namespace pistora
