#include "core/text/report_gate.h"

namespace pistora {

bool ReportGate::ShouldReport(const std::string& message, bool asked) {
  const bool news = asked || !reported_ || message != last_message_;
  if (news) {
    reported_ = true;
    last_message_ = message;
  }
  return news;
}

void ReportGate::Rearm() {
  reported_ = false;
  last_message_.clear();
}

}  // namespace pistora
