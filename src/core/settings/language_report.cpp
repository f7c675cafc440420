#include "core/settings/language_report.h"

namespace pistora {

bool LanguageReportGate::ShouldReport(const std::string& message, bool chosen) {
  const bool news = chosen || !reported_ || message != last_message_;
  if (news) {
    reported_ = true;
    last_message_ = message;
  }
  return news;
}

void LanguageReportGate::Succeeded() {
  reported_ = false;
  last_message_.clear();
}

}  // namespace pistora
