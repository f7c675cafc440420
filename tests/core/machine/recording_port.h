#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/host/clock.h"
#include "core/host/port_io.h"
#include "core/machine/machine_display.h"

namespace pistora::testing {

// A port that records every write with its time and answers reads with a set status byte.
class RecordingPort final : public PortIo {
 public:
  struct WriteRecord {
    std::uint16_t address;
    std::uint8_t value;
    std::int64_t micros;
  };

  explicit RecordingPort(Clock& clock) : clock_(clock) {}

  bool Open() override { return open_result; }
  void Close() override { ++close_count; }
  std::uint8_t Read(std::uint16_t address) override {
    reads.push_back(address);
    return status;
  }
  void Write(std::uint16_t address, std::uint8_t value) override {
    writes.push_back({address, value, clock_.NowMicros()});
  }
  bool Healthy() const override { return true; }
  std::string LastError() const override { return {}; }
  std::string Description() const override { return "enregistreur"; }

  std::vector<std::uint8_t> Values() const {
    std::vector<std::uint8_t> values;
    for (const WriteRecord& w : writes) values.push_back(w.value);
    return values;
  }

  bool open_result = true;
  int close_count = 0;
  std::uint8_t status = 0xFF;
  std::vector<WriteRecord> writes;
  std::vector<std::uint16_t> reads;

 private:
  Clock& clock_;
};

// A display that keeps what it was told.
class RecordingDisplay final : public MachineDisplay {
 public:
  void ShowPositions(const std::string& x, const std::string& y, const std::string& z) override {
    positions = {x, y, z};
    ++position_updates;
  }
  void ShowRealFeed(const std::string& text) override { real_feed = text; }
  void PaintStopDisc(bool red) override {
    disc_red = red;
    ++disc_paints;
  }
  void SetLamp(Lamp lamp, bool on) override { lamps[static_cast<int>(lamp)] = on; }
  void ShowMessage(const std::string& text) override { message = text; }

  bool Lamp(pistora::Lamp lamp) const { return lamps[static_cast<int>(lamp)]; }

  std::vector<std::string> positions;
  int position_updates = 0;
  std::string real_feed;
  bool disc_red = false;
  int disc_paints = 0;
  bool lamps[5] = {false, false, false, false, false};
  std::string message;
};

}  // namespace pistora::testing
