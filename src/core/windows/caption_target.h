#pragma once

#include <string_view>

namespace pistora {

// A language file has 180 lines; line 1 is the language's own name, lines 2 to 180 are captions.
inline constexpr int kLanguageFileLineCount = 180;

// What a caption line is applied to.
enum class CaptionTargetKind {
  kControlText,    // the text of the control named object_name in window_class
  kWindowTitle,    // the title of window_class (object_name is empty)
  kMenuEntry,      // the menu entry named object_name of window_class's menu bar
  kPageTitle,      // the title of the page named object_name of window_class's page control
  kFirstListItem,  // the first item of the drop-down list named object_name
  kModeName,       // one of the machine window's two mode names, kept in memory (see below)
};

// One control (or window title, menu entry, ...) captioned by a line of the language file. The
// windows' control tables (core/windows/*_controls.h) list them; the language table gathers them.
struct CaptionTarget {
  int line;                       // 2 to 180
  CaptionTargetKind kind;
  std::string_view window_class;  // "TForm1", "TForm2", "Tgravefrm", "TPagesDlg", "Tgestfrm"
  std::string_view object_name;
  std::string_view built_in;      // the French text the window is built with (UTF-8)
};

}  // namespace pistora
