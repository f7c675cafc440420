#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/status.h"

namespace pistora {

// Settings, language, engraving and program files are Latin-1 text with CR LF line ends.
// Readers also accept a lone LF or CR as a line end; a final line end adds no empty line.

// Files larger than this are refused by the readers with a clear message.
inline constexpr std::size_t kMaxTextFileBytes = 256u * 1024u * 1024u;

// Reads the raw bytes of a file.
Status ReadFileBytes(const std::string& path, std::string* bytes,
                     std::size_t max_bytes = kMaxTextFileBytes);

// Splits raw bytes into lines, without any conversion.
std::vector<std::string> SplitLines(std::string_view bytes);

// Reads a Latin-1 file into UTF-8 lines.
Status ReadLatin1Lines(const std::string& path, std::vector<std::string>* lines,
                       std::size_t max_bytes = kMaxTextFileBytes);

// Joins UTF-8 lines into Latin-1 bytes, each line followed by CR LF.
std::string JoinLatin1CrLf(const std::vector<std::string>& lines);

// Writes the bytes to a temporary file beside `path`, then renames it over `path`.
// On any failure the previous file is left untouched, the temporary file is removed
// and the message says what went wrong.
Status WriteFileAtomically(const std::string& path, std::string_view bytes);

// WriteFileAtomically(path, JoinLatin1CrLf(lines)).
Status WriteLatin1LinesAtomically(const std::string& path, const std::vector<std::string>& lines);

// Fault injection for tests of the save paths: a write that fails after a number of
// bytes (a full disk) or a rename that fails. Reset with a default-constructed plan.
struct WriteFaultPlan {
  long long fail_after_bytes = -1;  // < 0: never
  bool fail_rename = false;
};
void SetWriteFaultPlanForTesting(const WriteFaultPlan& plan);

// A file name inside a folder (the name alone when the folder is empty).
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace pistora
