#pragma once

#include <string>

namespace pistora {

// When a fault found on a window's activation is worth a message box.
//
// Some windows re-read a file each time they become active (the main window its language file,
// the parameter dialog cn.dat), and closing a message box activates the window again: reporting
// every failure would chain message boxes for ever. So a fault is reported when the user has
// just asked for the reading (a chosen entry, "&Restaurer"), and at an activation only when its
// message differs from the last one reported (a file removed or spoiled meanwhile is news; a
// standing fault is told once). A clean reading, or the window shown anew, re-arms the gate.
class ReportGate {
 public:
  // After a failed reading: whether to show `message`. `asked`: the user has just asked for
  // the reading (not a mere activation).
  bool ShouldReport(const std::string& message, bool asked);

  // After a clean reading, or when the window is shown again.
  void Rearm();

 private:
  bool reported_ = false;
  std::string last_message_;
};

}  // namespace pistora
