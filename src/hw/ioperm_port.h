#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hw/reporting_port.h"

namespace pistora {

// Direct port instructions (inb/outb) after ioperm: root on x86 only; elsewhere it reports
// itself unavailable. Opening asks permission for the three standard parallel ports
// (378h, 278h, 3BCh) and keeps those where a data register answers: the probe writes 0 to the
// data register (what every activation of the machine window writes anyway) and reads it back.
class IoPermPort final : public ReportingPort {
 public:
  IoPermPort() = default;
  ~IoPermPort() override;

  bool Open() override;
  void Close() override;
  std::uint8_t Read(std::uint16_t address) override;
  void Write(std::uint16_t address, std::uint8_t value) override;
  std::string Description() const override;

 private:
  bool Allowed(std::uint16_t address) const;

  std::vector<std::uint16_t> bases_;
};

}  // namespace pistora
