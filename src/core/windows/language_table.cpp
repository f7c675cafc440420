#include "core/windows/language_table.h"

#include <algorithm>
#include <vector>

#include "core/windows/about_dialog_controls.h"
#include "core/windows/machine_settings_controls.h"
#include "core/windows/machine_window_controls.h"
#include "core/windows/main_window_controls.h"
#include "core/windows/plate_window_controls.h"

namespace pistora {
namespace {

// Windows in the order the language file goes through them; a line that captions controls of
// several windows lists them in this order.
constexpr std::string_view kWindowOrder[] = {"TForm1", "TForm2", "Tgravefrm", "TPagesDlg", "Tgestfrm"};

int WindowRank(std::string_view window) {
  return static_cast<int>(std::find(std::begin(kWindowOrder), std::end(kWindowOrder), window) -
                          std::begin(kWindowOrder));
}

std::vector<CaptionTarget> GatherTargets() {
  std::vector<CaptionTarget> targets;
  MainWindowControls().AppendCaptionTargets(&targets);
  AboutControls().AppendCaptionTargets(&targets);
  MachineWindowControls().AppendCaptionTargets(&targets);
  MachineSettingsControls().AppendCaptionTargets(&targets);
  PlateWindowControls().AppendCaptionTargets(&targets);
  // By line, then by window; rows of one window keep the order of its table.
  std::stable_sort(targets.begin(), targets.end(), [](const CaptionTarget& a, const CaptionTarget& b) {
    if (a.line != b.line) return a.line < b.line;
    return WindowRank(a.window_class) < WindowRank(b.window_class);
  });
  return targets;
}

}  // namespace

std::span<const CaptionTarget> AllCaptionTargets() {
  static const std::vector<CaptionTarget> targets = GatherTargets();
  return targets;
}

std::span<const CaptionTarget> CaptionTargetsOfLine(int line) {
  const std::span<const CaptionTarget> all = AllCaptionTargets();
  const auto first = std::lower_bound(all.begin(), all.end(), line,
                                       [](const CaptionTarget& t, int l) { return t.line < l; });
  const auto last = std::upper_bound(first, all.end(), line,
                                      [](int l, const CaptionTarget& t) { return l < t.line; });
  return {first, last};
}

std::string_view BuiltInFrenchCaption(int line) {
  if (line == 1) return "Français";
  const std::span<const CaptionTarget> targets = CaptionTargetsOfLine(line);
  return targets.empty() ? std::string_view() : targets.front().built_in;
}

}  // namespace pistora
