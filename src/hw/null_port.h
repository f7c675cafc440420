#pragma once

#include "core/host/port_io.h"

namespace pistora {

// No port: writes are dropped, reads give 0, and opening always fails.
class NullPort final : public PortIo {
 public:
  bool Open() override { return false; }
  void Close() override {}
  std::uint8_t Read(std::uint16_t) override { return 0; }
  void Write(std::uint16_t, std::uint8_t) override {}
  bool Healthy() const override { return true; }
  std::string LastError() const override { return {}; }
  std::string Description() const override { return "aucun port (sorties ignorées)"; }
};

}  // namespace pistora
