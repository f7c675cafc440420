#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "core/host/clock.h"
#include "core/host/port_io.h"
#include "core/machine/machine_display.h"
#include "core/machine/signal_map.h"
#include "core/settings/machine_parameters.h"

namespace pistora {

inline constexpr const char* kDriverLoadedMessage = "Driver port parallèle correctement chargé !";
inline constexpr const char* kDriverFailedMessage =
    "Impossible de charger le driver du port parallèle !";

// The machine's logical signals as port operations. Every output change edits OutputShadow
// and writes the whole byte to the data register; the data register is never read back.
// Used from the motion thread only, but for StepCount, which any thread may read.
class PortLayer {
 public:
  PortLayer(PortIo& io, Clock& clock, MachineDisplay& display);

  // Brings port access up once at program start; true when the port is open.
  bool StartPortDriver();
  // Gives the port back at exit (only when it was open).
  void StopPortDriver();
  // The machine window's start-up message for the outcome of StartPortDriver.
  const char* DriverMessage() const;

  // Takes PortBase, the pulse length and the signal map from the parameters.
  void SetParameters(const MachineParameters& parameters);
  const SignalMap& Signals() const { return signals_; }
  std::uint16_t PortBase() const { return port_base_; }

  // Called with the new map and base whenever SetParameters runs (a simulated machine
  // decodes the data register with it).
  void SetSignalMapListener(std::function<void(const SignalMap&, std::uint16_t)> listener);

  // Raw byte access. Without port access, or while the port is disabled (base 0), writes are
  // dropped and reads give 0.
  std::uint8_t ReadPort(std::uint16_t address);
  void WritePort(std::uint16_t address, std::uint8_t value);

  std::uint8_t OutputShadow() const { return shadow_; }
  // OutputShadow = 0, and 0 written to the data register (each activation of the window).
  void ResetOutputs();

  // Sets the axis's direction output and writes the byte (also when it did not change).
  void SetDirection(Axis axis, bool positive);

  // Active edge, a MinPulseUs wait, idle edge; no wait after the trailing edge.
  void StepPulse(Axis axis);

  // Pulses sent to the axis since start-up, signed by the direction output at the time. The
  // windows read it during a move to show the tool's place as it goes.
  std::int64_t StepCount(Axis axis) const {
    return step_count_[AxisIndex(axis)].load(std::memory_order_relaxed);
  }

  // Reads the status register once; whether the axis's switch is active (its lamp follows).
  // When the emergency stop is wired, the same byte also sets its lamp: see EStopSeen().
  bool ReadLimit(Axis axis);

  // Reads the status register once and returns it; the lamps of every wired switch and of the
  // emergency stop follow it (see EStopSeen()).
  std::uint8_t ReadStatus();

  // Reads the status register once: whether the wired emergency stop is active (its lamp
  // follows). Always false when it is not wired.
  bool ReadEStop();

  // Whether the last status read found the wired emergency stop active.
  bool EStopSeen() const { return estop_seen_; }

  // Whether the backend is still answering, and why not.
  bool PortHealthy() const { return io_.Healthy(); }
  std::string PortError() const { return io_.LastError(); }

 private:
  void WriteShadow();
  void EvaluateEStop(std::uint8_t status);

  PortIo& io_;
  Clock& clock_;
  MachineDisplay& display_;
  bool driver_open_ = false;
  std::uint16_t port_base_ = 0x378;
  std::int32_t min_pulse_us_ = 60;
  SignalMap signals_;
  std::uint8_t shadow_ = 0;
  bool estop_seen_ = false;
  std::array<bool, 3> positive_ = {true, true, true};  // the direction outputs, by AxisIndex
  std::array<std::atomic<std::int64_t>, 3> step_count_{};
  std::function<void(const SignalMap&, std::uint16_t)> listener_;
};

}  // namespace pistora
