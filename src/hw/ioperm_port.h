#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/host/port_io.h"

namespace pistora {

// Direct port instructions (inb/outb) after ioperm: root on x86 only; elsewhere it reports
// itself unavailable. Opening asks permission for the three standard parallel ports
// (378h, 278h, 3BCh) and keeps those where a data register answers: the probe writes 0 to the
// data register (what every activation of the machine window writes anyway) and reads it back.
class IoPermPort final : public PortIo {
 public:
  IoPermPort() = default;
  ~IoPermPort() override;
  IoPermPort(const IoPermPort&) = delete;
  IoPermPort& operator=(const IoPermPort&) = delete;

  bool Open() override;
  void Close() override;
  std::uint8_t Read(std::uint16_t address) override;
  void Write(std::uint16_t address, std::uint8_t value) override;
  bool Healthy() const override { return healthy_; }
  std::string LastError() const override { return last_error_; }
  std::string Description() const override;

  // Whether this build and machine can use port instructions at all.
  static bool Supported();

 private:
  bool Allowed(std::uint16_t address) const;

  std::vector<std::uint16_t> bases_;
  bool healthy_ = true;
  std::string last_error_;
};

}  // namespace pistora
