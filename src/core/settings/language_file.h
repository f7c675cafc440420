#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/windows/language_table.h"
#include "core/text/status.h"

namespace pistora {

// Only the first bytes of a language file are read: a real file is a few kilobytes, and a huge
// file (a million lines, one endless line) must not be loaded whole. A line that runs past the
// limit is dropped and reads as empty, like a missing line.
inline constexpr std::size_t kLanguageFileReadLimit = 1024u * 1024u;

// The entry of the language list for a file: "fr.lng ( Français )".
std::string LanguageEntry(std::string_view file_name, std::string_view first_line);

// Result of listing the language files of a folder.
struct LanguageListing {
  std::vector<std::string> entries;
  Status status;  // the first file that could not be read; `entries` holds those before it
};

// Lists every regular file of `folder` whose name ends in ".lng" (in any letter case, as the
// file search of the platform the files come from matches it), sorted by file name byte by byte
// so that the list is the same on every system. Directories are skipped.
LanguageListing ListLanguageFiles(const std::string& folder);

// The file name an entry names: the text before its first "(" without the one character just
// before the "(" (the blank). An entry without "(" names no file and gives an error.
Status LanguageFileNameOfEntry(std::string_view entry, std::string* file_name);

// The caption of a language line: what follows its first "#", or the whole line when it has
// none. Nothing is trimmed.
std::string CaptionOfLine(std::string_view line);

// The lines of a language file, UTF-8; index 1 to 180 (index 0 is unused). Missing lines are
// empty and lines after 180 are not kept.
struct LanguageText {
  std::array<std::string, kLanguageFileLineCount + 1> lines;

  const std::string& Name() const { return lines[1]; }
  // CaptionOfLine of line 2 to 180; "" for any other number.
  std::string Caption(int line) const;
};

// The machine window's two mode names: lines 79 (engraving) and 80 (drilling) of the applied
// file. Both are empty until a language file has been applied.
struct ModeNames {
  std::string Engraving;
  std::string Drilling;

  // The name of the mode the machine window is in.
  const std::string& Of(bool drilling_mode) const { return drilling_mode ? Drilling : Engraving; }
};
ModeNames ModeNamesOf(const LanguageText& text);

// The French captions the windows are built with, as the text of a language file.
LanguageText BuiltInFrenchText();

// The language whose captions are built in: when its file is absent from the folder, the
// built-in captions stand for it, so a missing fr.lng is no fault.
inline constexpr const char* kBuiltInLanguageFileName = "fr.lng";

// Reads the file that `entry` names in `folder`. On failure `text` is left untouched and the
// status says why, so the captions stay as they are. An absent fr.lng gives BuiltInFrenchText().
Status LoadLanguage(const std::string& folder, std::string_view entry, LanguageText* text);

// Reads a language file by path (see LoadLanguage).
Status LoadLanguageFile(const std::string& path, LanguageText* text);

// Hands each target of lines 2 to 180, in line order, its caption from `text`: the windows set
// their texts from here. Lines the file lacks give empty captions.
void ForEachCaption(const LanguageText& text,
                    const std::function<void(const CaptionTarget& target, const std::string& caption)>& apply);

}  // namespace pistora
