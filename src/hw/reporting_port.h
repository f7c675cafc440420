#pragma once

#include <string>

#include "core/host/port_io.h"

namespace pistora {

// What every port backend keeps of its failures: an access or an open that fails marks the
// port unhealthy and keeps why, for the machine's message line; a port that answers again
// (a successful open, a simulated port plugged back) clears both.
class ReportingPort : public PortIo {
 public:
  ReportingPort() = default;
  // A backend owns a device or a permission: it is never copied.
  ReportingPort(const ReportingPort&) = delete;
  ReportingPort& operator=(const ReportingPort&) = delete;

  bool Healthy() const override { return healthy_; }
  std::string LastError() const override { return last_error_; }

 protected:
  void Fail(const std::string& why) {
    healthy_ = false;
    last_error_ = why;
  }
  void Recover() {
    healthy_ = true;
    last_error_.clear();
  }

 private:
  bool healthy_ = true;
  std::string last_error_;
};

}  // namespace pistora
