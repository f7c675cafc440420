#pragma once

#include <string>

namespace pistora {

// When a language file that cannot be applied is worth a message box.
//
// The language is applied again at every activation of the main window, and closing the message
// box activates the main window again: reporting every failure would chain message boxes for
// ever. So a failure is reported when the user has just chosen the entry, and at an activation
// only when its message differs from the last one reported (a file removed or spoiled meanwhile
// is reported; a standing fault once). A successful apply makes the next failure news again.
class LanguageReportGate {
 public:
  // After a failed apply: whether to show `message`. `chosen`: the user has just chosen the
  // entry in the language list (not a mere activation).
  bool ShouldReport(const std::string& message, bool chosen);

  // After a successful apply.
  void Succeeded();

 private:
  bool reported_ = false;
  std::string last_message_;
};

}  // namespace pistora
