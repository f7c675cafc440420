#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/settings/language_file.h"

class QWidget;

namespace pistora {

struct AppWindows;

// The window of that class name ("TForm1", "Tgravefrm", ...) among `windows`; null for a class
// the language table does not name or a window not created yet.
QWidget* WindowOfClass(std::string_view window_class, const AppWindows& windows);

// Sets every caption of a language file on the windows, line by line, each on the control the
// language table names (by objectName): the text of a label, button, check box or menu entry,
// the title of a group box or menu, a window's title, a page's tab text, the first item of a
// drop-down list. The mode names of lines 79 and 80 are kept (see AppliedModeNames) and the
// machine window's mode caption shows the one of its current mode. Windows not created yet
// and controls a window does not have are skipped.
void ApplyLanguageToWindows(const LanguageText& text, const AppWindows& windows);

// The mode names of the language file applied last; both empty until one has been applied.
// The machine window's "&Bascule" shows them when it switches modes.
const ModeNames& AppliedModeNames();

// The captioned controls that `windows` lack, as "Window.objectName" (window titles, which
// every window has, and mode names, kept in memory, are never missing). Lines the About window
// may leave out (its text lines 52 to 58) are not listed.
std::vector<std::string> MissingCaptionTargets(const AppWindows& windows);

}  // namespace pistora
