#pragma once

#include <span>
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

// One control (or window title, menu entry, ...) captioned by a line of the language file.
//
// Controls that have no numbered name of their own are named here, and the windows name their
// controls after this table:
//   TForm2 (About window): Label1 (name), Button1 ("&Fermer"), Label2 (version), and Label3 to
//     Label9 for the lines of text below them (lines 52 to 58), which a window may leave out.
//   Tgravefrm menu: MenuOption ("&Option") with MenuPortSetup, MenuGeometry, MenuSurfacing,
//     MenuCopper (in menu order).
//   Tgravefrm mode names: EngravingModeName (line 79), DrillingModeName (line 80). They are kept
//     in memory, empty until a language file has been applied; Label53 and "&Bascule" show them.
//   TPagesDlg pages: TabSheet1 to TabSheet4 (page 0 to page 3).
//   TPagesDlg unit labels: UnitStepsX/Y/Z ("Pas par mm"), UnitMaxFeed and UnitWorkFeed ("mm/mm"),
//     UnitMinPulse and UnitTickWait ("us"), and the fifteen "mm" labels UnitBackOff,
//     UnitSurfaceOffsetX, UnitSurfaceOffsetY, UnitSurfaceSizeX, UnitSurfaceSizeY,
//     UnitSurfacePassDepth, UnitSurfaceStepOver, UnitPlateSizeX, UnitPlateSizeY,
//     UnitPlateThickness, UnitPlateBorderX, UnitPlateBorderY, UnitPlateOriginX,
//     UnitPlateOriginY, UnitCopyGap (each beside the box of the value it names).
//   TPagesDlg size labels: LabelSurfaceSizeX, LabelSurfaceSizeY (surfacing page),
//     LabelPlateSizeX, LabelPlateSizeY (copper page).
struct CaptionTarget {
  int line;                       // 2 to 180
  CaptionTargetKind kind;
  std::string_view window_class;  // "TForm1", "TForm2", "Tgravefrm", "TPagesDlg", "Tgestfrm"
  std::string_view object_name;
  std::string_view built_in;      // the French text the window is built with (UTF-8)
};

// Every target of lines 2 to 180, ordered by line; each line has at least one target.
std::span<const CaptionTarget> AllCaptionTargets();

// The targets of one line; empty for line 1 and for lines outside 1 to 180.
std::span<const CaptionTarget> CaptionTargetsOfLine(int line);

// The caption of a line in the French file (UTF-8): the built-in text of the line's first target.
// Where one line serves controls built with slightly different texts ("Raz" and "RAZ", "Non
// utilisé" and "Non utilisée"), the first one is the line's caption. Line 1 gives the language's
// name "Français"; lines outside 1 to 180 give "".
std::string_view BuiltInFrenchCaption(int line);

}  // namespace pistora
