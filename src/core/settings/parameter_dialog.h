#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/machine_parameters.h"
#include "core/settings/numeric_key_filter.h"
#include "core/text/status.h"
#include "core/windows/machine_settings_controls.h"

namespace pistora {

// The rules of the machine parameter dialog: which control holds which line of cn.dat, the
// items of its drop-down lists, their colours, how the file fills the controls and how the
// controls are written back. The window only moves values between these and its widgets.

enum class DialogControlKind { List, Check, Edit };
enum class DialogListKind { Port, Input, Output };

struct ParameterDialogControl {
  MachineSettingsControl role;  // the dialog's control (core/windows/machine_settings_controls.h)
  CnLine line;
  DialogControlKind kind;
  DialogListKind list;  // lists only
  KeyMode mode;         // edit boxes only
};

// Item index of a list that shows nothing (an index of the file beyond its list).
inline constexpr int kNoSelection = -1;

// The 47 controls in file order: the port and signal lists, their "Inversé " boxes, then the
// edit boxes of the axes, the surfacing page, the copper page and the two last axis values.
const std::array<ParameterDialogControl, kMachineParameterLineCount>& ParameterDialogControls();

// The entry of the control of that role, or null for a control that holds no line.
const ParameterDialogControl* FindParameterDialogControl(MachineSettingsControl role);

// The fixed items of the three kinds of lists (UTF-8).
const std::vector<std::string>& DialogListItems(DialogListKind kind);

struct ListRgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const ListRgb&, const ListRgb&) = default;
};
inline constexpr ListRgb kListUnusedColour{255, 0, 0};  // index 0: port disabled, signal not wired
inline constexpr ListRgb kListUsedColour{0, 255, 0};    // any other index, no selection included

// The colour of a list showing that item index.
ListRgb ListColour(int index);

// What one control shows: the item index of a list, the state of a check box or the text of
// an edit box (only the member of its kind is used).
struct DialogControlValue {
  int index = 0;
  bool checked = false;
  std::string text;
  friend bool operator==(const DialogControlValue&, const DialogControlValue&) = default;
};

// The contents of all 47 controls, in file order.
using ParameterDialogValues = std::array<DialogControlValue, kMachineParameterLineCount>;

// What the controls show before any file has been read.
ParameterDialogValues FactoryDialogValues();

// Outcome of filling the controls from the lines of cn.dat.
struct ParameterDialogLoad {
  Status status;                    // the error that ended the reading
  std::vector<std::string> notes;   // lines that were read but point at no item of their list
  int lines_read = 0;               // controls set from the file

  bool Clean() const { return status.ok() && notes.empty(); }
  // The one message telling the user about the error and the notes ("" when clean).
  std::string Message() const;
};

// Fills `values` from the lines in file order. An index line that is not an integer, or a
// line that is missing, ends the reading with an error naming the line: the controls set
// before it keep their new values, the others their old ones. An index beyond its list leaves
// the list with no selection and adds a note. Flags are checked only for exactly "TRUE";
// edit boxes take their line's text as it is.
ParameterDialogLoad ApplyParameterLines(const std::vector<std::string>& lines,
                                        ParameterDialogValues* values);

// Reads cn.dat at `path` into `values`; a file that cannot be read changes nothing. A file read
// whole that the machine would refuse (MachineParametersFromFile) adds the machine's message as
// a note, so the dialog and the machine window agree on it.
ParameterDialogLoad LoadParameterDialogFile(const std::string& path, ParameterDialogValues* values);

// The 47 texts that saving writes: index in decimal (-1 for no selection), "TRUE"/"FALSE",
// edit text unchanged but for line breaks, which are dropped.
MachineParameterFile DialogValuesToFile(const ParameterDialogValues& values);

// Doubtful values worth a word before saving; saving goes on regardless. Names the line and
// the caption of each: a steps-per-mm value that is not a positive number, a maximum or work
// feed that is not a positive integer, two signals on the same output pin, an empty box.
std::vector<std::string> ParameterSaveWarnings(const ParameterDialogValues& values);

// The one message listing the warnings ("" when there is none).
std::string SaveWarningsMessage(const std::vector<std::string>& warnings);

}  // namespace pistora
