#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hw/reporting_port.h"

namespace pistora {

// Port access through the kernel's ppdev interface (/dev/parportN): no root needed, only
// read and write access to the device (group lp). Every port listed under
// /proc/sys/dev/parport is opened and claimed; an access goes to the port whose base address
// (base-addr) matches: the data register at the base (PPWDATA / PPRDATA), the status register
// at base + 1 (PPRSTATUS). The ports are released and closed by Close() or on destruction.
class PpdevPort final : public ReportingPort {
 public:
  // `proc_root` and `dev_root` are the folders holding the parport listing and the devices
  // (changed by tests only).
  explicit PpdevPort(std::string proc_root = "/proc/sys/dev/parport", std::string dev_root = "/dev");
  ~PpdevPort() override;

  bool Open() override;
  void Close() override;
  std::uint8_t Read(std::uint16_t address) override;
  void Write(std::uint16_t address, std::uint8_t value) override;
  std::string Description() const override;

 private:
  struct Device {
    std::string path;
    std::uint16_t base;
    int fd;
  };
  const Device* Find(std::uint16_t address, bool* status_register);

  std::string proc_root_;
  std::string dev_root_;
  std::vector<Device> devices_;
};

// The base address of a base-addr text ("888\t1912\n" gives 888); 0 when unreadable.
std::uint16_t ParseParportBaseAddr(const std::string& text);

}  // namespace pistora
