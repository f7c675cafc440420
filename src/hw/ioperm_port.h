#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hw/reporting_port.h"

namespace pistora {

// Direct port instructions (inb/outb) after ioperm: root (CAP_SYS_RAWIO) on x86 only; elsewhere
// it reports itself unavailable. Opening asks permission for the one port cn.dat names and
// nothing else: a data, status and control register at some other address may belong to another
// card, and the probe writes to it. The probe writes 0 to the data register (what every
// activation of the machine window writes anyway) and reads it back. The permission, once
// granted, outlives a later change to an unprivileged user.
class IoPermPort final : public ReportingPort {
 public:
  // `base`: the data register's address (378h, 278h or 3BCh); 0 opens nothing.
  explicit IoPermPort(std::uint16_t base = 0x378) : wanted_(base) {}
  ~IoPermPort() override;

  bool Open() override;
  void Close() override;
  std::uint8_t Read(std::uint16_t address) override;
  void Write(std::uint16_t address, std::uint8_t value) override;
  std::string Description() const override;

 private:
  bool Allowed(std::uint16_t address) const;

  std::uint16_t wanted_;
  std::vector<std::uint16_t> bases_;
};

// Why ioperm refused, for the message line: `error` is its errno. ENOSYS (a kernel without the
// call, or a processor without port instructions) is not cured by root, EPERM is.
std::string IoPermRefusal(int error);

}  // namespace pistora
