#include "hw/simulated_machine.h"

#include <gtest/gtest.h>

#include "hw/virtual_clock.h"

namespace pistora {
namespace {

SignalMap Wiring(bool step_inverted, bool dir_inverted, bool limit_inverted) {
  MachineParameters p;
  p.StepXOutput = 0x01;
  p.DirXOutput = 0x02;
  p.StepYOutput = 0x04;
  p.DirYOutput = 0x08;
  p.StepXInverted = step_inverted;
  p.DirXInverted = dir_inverted;
  p.LimitXInput = 0x40;
  p.LimitXInverted = limit_inverted;
  p.EStopInput = 0x80;
  p.ProbeInput = 0x10;
  p.ProbeInverted = true;
  return BuildSignalMap(p);
}

TEST(SimulatedMachine, DecodesStepsAndDirectionsThroughThePolarity) {
  for (bool step_inverted : {false, true}) {
    for (bool dir_inverted : {false, true}) {
      SCOPED_TRACE(::testing::Message() << step_inverted << dir_inverted);
      VirtualClock clock(0);
      SimulatedMachine m(clock, 0x278);
      m.Configure(Wiring(step_inverted, dir_inverted, false), 0x278);
      ASSERT_TRUE(m.Open());
      const std::uint8_t idle = step_inverted ? 0x01 : 0x00;
      const std::uint8_t positive = dir_inverted ? 0x00 : 0x02;
      const std::uint8_t negative = positive ^ 0x02;
      m.Write(0x278, idle | negative);
      // Three pulses forward, one back.
      for (std::uint8_t dir : {positive, positive, positive, negative}) {
        m.Write(0x278, idle | dir);
        clock.Advance(10);
        m.Write(0x278, (idle ^ 0x01) | dir);
        clock.Advance(60);
        m.Write(0x278, idle | dir);
      }
      EXPECT_EQ(m.PositionSteps(Axis::X), 2);
      EXPECT_EQ(m.StepCount(Axis::X), 4);
      EXPECT_EQ(m.StepCount(Axis::Y), 0);
      const auto times = m.StepTimes(Axis::X);
      ASSERT_EQ(times.size(), 4u);
      EXPECT_EQ(times[1] - times[0], 70);
      EXPECT_EQ(m.Read(0x278), idle | negative);
      m.Write(0x378, 0xFF);  // another port: ignored
      EXPECT_EQ(m.StepCount(Axis::X), 4);
    }
  }
}

TEST(SimulatedMachine, DrivesSwitchesEmergencyStopAndProbeWithTheirPolarity) {
  VirtualClock clock;
  for (bool inverted : {false, true}) {
    SCOPED_TRACE(inverted);
    SimulatedMachine m(clock);
    m.Configure(Wiring(false, false, inverted), 0x378);
    m.SetTravel(Axis::X, -1, 2);
    const SignalMap map = Wiring(false, false, inverted);
    EXPECT_FALSE(InputActive(m.Read(0x379), map.limit[0]));
    for (int i = 0; i < 2; ++i) {
      m.Write(0x378, 0x02);  // positive
      m.Write(0x378, 0x03);  // step
    }
    EXPECT_TRUE(m.LimitActive(Axis::X));
    const std::uint8_t status = m.Read(0x379);
    EXPECT_TRUE(InputActive(status, map.limit[0]));
    EXPECT_EQ((status & 0x40) != 0, inverted);  // plain switches pull their pin low
    EXPECT_FALSE(InputActive(status, map.estop));
    EXPECT_FALSE(InputActive(status, map.probe));
    m.SetEStop(true);
    m.SetProbe(true);
    EXPECT_TRUE(InputActive(m.Read(0x379), map.estop));
    EXPECT_TRUE(InputActive(m.Read(0x379), map.probe));
    EXPECT_EQ(m.Read(0x37A), 0xFF);  // nothing answers beyond the status register
  }
}

TEST(SimulatedMachine, ACutPortFailsEveryAccessUntilReconnected) {
  VirtualClock clock;
  SimulatedMachine m(clock);
  m.Configure(Wiring(false, false, false), 0x378);
  ASSERT_TRUE(m.Open());
  m.SetDisconnected(true);
  m.Write(0x378, 0x01);
  EXPECT_FALSE(m.Healthy());
  EXPECT_FALSE(m.LastError().empty());
  EXPECT_EQ(m.Read(0x379), 0);
  EXPECT_EQ(m.StepCount(Axis::X), 0);
  EXPECT_FALSE(m.Open());
  m.SetDisconnected(false);
  EXPECT_TRUE(m.Healthy());
  EXPECT_TRUE(m.Open());
  m.Write(0x378, 0x01);
  EXPECT_EQ(m.StepCount(Axis::X), 1);
}

}  // namespace
}  // namespace pistora
