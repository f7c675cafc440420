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

// The lines of raw bytes one after the other, without keeping them: a reader that takes what it
// needs line by line holds the file's bytes and no more.
class LineCursor {
 public:
  explicit LineCursor(std::string_view bytes) : bytes_(bytes) {}
  // The next line (without its end); false at the end of the bytes.
  bool Next(std::string_view* line);
  // Lines left, counted without keeping them.
  std::size_t CountRemaining() const;

 private:
  std::string_view bytes_;
  std::size_t next_ = 0;
};

// Reads a Latin-1 file into UTF-8 lines. Every line costs a string, so a file of mostly empty
// lines is refused when its lines would take more than kMaxBytesPerShortLine times the file's
// size (no settings, engraving or program file is made of lines of 3 bytes or less on average).
inline constexpr std::size_t kMaxBytesPerShortLine = 8;
Status ReadLatin1Lines(const std::string& path, std::vector<std::string>* lines,
                       std::size_t max_bytes = kMaxTextFileBytes);

// Joins UTF-8 lines into Latin-1 bytes, each line followed by CR LF.
std::string JoinLatin1CrLf(const std::vector<std::string>& lines);

// Writes the bytes to a new temporary file beside `path` (created exclusively, never through an
// existing name or link; the mode of the file it replaces, or 0644 less the umask), syncs it,
// renames it over `path` and syncs the folder. Temporaries an interrupted save left beside
// `path` ("NAME.tmp~…") are removed first. On any failure the previous file is left untouched,
// the temporary file is removed and the message says what went wrong.
// While a StagedSaves is alive on the thread, the rename waits for its Commit().
Status WriteFileAtomically(const std::string& path, std::string_view bytes);

// WriteFileAtomically(path, JoinLatin1CrLf(lines)).
Status WriteLatin1LinesAtomically(const std::string& path, const std::vector<std::string>& lines);

// Several files that belong together (an engraving file and its programs) replaced all or none:
// while one is alive, each WriteFileAtomically on this thread only writes and syncs its
// temporary; Commit() then renames them all, and when one rename is refused puts back the files
// already replaced. Destroyed without a commit (a failed write in the set), it removes the
// temporaries and leaves every previous file as it was. Nested inside another, its Commit()
// hands its files to the outer set.
struct StagedFile {
  std::string path;
  std::string temporary;
};
class StagedSaves {
 public:
  StagedSaves();
  ~StagedSaves();
  StagedSaves(const StagedSaves&) = delete;
  StagedSaves& operator=(const StagedSaves&) = delete;
  Status Commit();

 private:
  std::vector<StagedFile>* previous_;
  std::vector<StagedFile> staged_;
};

// Fault injection for tests of the save paths: a write that fails after a number of
// bytes (a full disk), a rename that fails after some succeeded, a staged set abandoned as a
// killed process leaves it. Reset with a default-constructed plan.
struct WriteFaultPlan {
  long long fail_after_bytes = -1;  // < 0: never
  bool fail_rename = false;
  int writes_before_failure = 0;    // with fail_after_bytes: whole writes that succeed first
  int renames_before_failure = 0;  // with fail_rename: renames that succeed first
  bool abandon_staged = false;     // an uncommitted StagedSaves leaves its temporaries
};
void SetWriteFaultPlanForTesting(const WriteFaultPlan& plan);

// A file name inside a folder (the name alone when the folder is empty).
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace pistora
