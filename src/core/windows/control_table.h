#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "core/windows/caption_target.h"

namespace pistora {

// One control of a window, three ways: its role in the code (an enumerator of the window's own
// role enum), the objectName the documents and the language files know it by ("Edit4",
// "BitBtn6"), and the line of the language file that captions it (0: no line does).
template <typename Role>
struct ControlName {
  Role role;
  std::string_view object_name;
  int line = 0;
  std::string_view built_in = {};  // the French caption the window is built with (UTF-8)
  CaptionTargetKind kind = CaptionTargetKind::kControlText;
};

// A window's table of controls. The windows create their controls through it (so the objectName
// always matches the role), the language applier captions them through it and the tests find
// them through it. A control captioned by several lines, or a line captioning several controls,
// takes one row per pair.
template <typename Role>
class ControlTable {
 public:
  constexpr ControlTable(std::string_view window_name, std::span<const ControlName<Role>> rows)
      : window_name_(window_name), rows_(rows) {}

  // The window's own objectName ("TForm1"), which the language file's notes use.
  constexpr std::string_view WindowName() const { return window_name_; }
  constexpr std::span<const ControlName<Role>> Rows() const { return rows_; }

  // The objectName of the control with that role; empty for a role the table does not list.
  constexpr std::string_view ObjectName(Role role) const {
    for (const ControlName<Role>& row : rows_) {
      if (row.role == role) return row.object_name;
    }
    return {};
  }

  // The French caption the window is built with for that role; empty when it has none.
  constexpr std::string_view BuiltIn(Role role) const {
    for (const ControlName<Role>& row : rows_) {
      if (row.role == role) return row.built_in;
    }
    return {};
  }

  // The rows captioned by a language-file line, as the language table lists them.
  void AppendCaptionTargets(std::vector<CaptionTarget>* targets) const {
    for (const ControlName<Role>& row : rows_) {
      if (row.line > 0) targets->push_back({row.line, row.kind, window_name_, row.object_name, row.built_in});
    }
  }

 private:
  std::string_view window_name_;
  std::span<const ControlName<Role>> rows_;
};

}  // namespace pistora
