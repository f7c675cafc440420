#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/host/host.h"
#include "core/machine/iso_motion.h"
#include "core/text/status.h"

namespace pistora {

// Message line prefixes while a program is analysed and while it runs.
inline constexpr const char* kAnalysePrefix = "Analyse instruction : ";
inline constexpr const char* kRunPrefix = "Exécution instruction : ";

// The X, Y, Z words of a line.
//
// The letters are searched in the order X, Y, Z, upper case only, each search starting just
// after the letter found before it; a word that stands before an earlier-found word is not seen
// and its axis keeps the current position. The number of a word is the text after the letter up
// to the next blank (an empty text, the letter followed by a blank or by the end of the line,
// reads 0), with "." as the decimal separator.
//
// A number that does not convert is not guessed at: `failed_letter` names its axis, and the
// line must not move the machine. Nor is a number beyond any machine's reach (more than
// kMaxAxisWordMm either way, or not finite): it fails the same way, with `beyond_reach` set.
inline constexpr double kMaxAxisWordMm = 10000.0;
struct AxisWords {
  ToolPosition target;
  char failed_letter = 0;   // 'X', 'Y' or 'Z' when that word's number does not convert
  std::string failed_text;  // the number text that did not convert
  bool beyond_reach = false;  // the failed number converts but lies beyond kMaxAxisWordMm
  bool ok() const { return failed_letter == 0; }
};
AxisWords ParseAxisWords(std::string_view line, const ToolPosition& current);

// The feed word: the text after the first "F" to the end of the line must convert whole ("."
// separator); the feed is that number rounded to an integer, halves to even, and kept within
// the 32-bit range. No "F" or a text that does not convert gives nullopt.
std::optional<int> ParseFeedWord(std::string_view line);

// What a line does. The three checks are independent and applied in this order: a line with a
// feed and a move takes the new feed for that move; a line holding both "G00" and "G01" moves
// twice. "G1" and lower-case "g01" are not moves. G00 is not rapid: both use the work feed.
struct IsoLineKind {
  bool feed = false;  // holds an "F"
  bool g00 = false;
  bool g01 = false;
};
IsoLineKind ClassifyIsoLine(std::string_view line);

// Reads an ISO program (Latin-1 text) into lines.
Status LoadIsoProgram(const std::string& path, std::vector<std::string>* lines);

// The first line (1-based in the message) whose move words do not convert, so that a program is
// refused before anything moves, after CheckIsoDialect. Ok when every move line converts.
Status CheckIsoProgram(const std::vector<std::string>& lines);

// A program written for another controller (the standard dialects open with a state header
// such as "G21 G90 G94 G17" in their first lines) is refused with a message naming the line:
// its plunges are G01 moves meant for a controller that runs G00 at rapid speed.
Status CheckIsoDialect(const std::vector<std::string>& lines);

// What the machine window loads: the program read, then refused when it shows another dialect.
Status LoadMachineProgram(const std::string& path, std::vector<std::string>* lines);

// Called for each line read: the 1-based line number, the line count and the message line.
using IsoLineObserver = std::function<void(long line, long line_count, const std::string& message)>;

// Size, length and time of an engraving program.
struct IsoAnalysis {
  double extent_x = 0;  // largest X reached by a move, never below 0 (mm)
  double extent_y = 0;  // largest Y, never below 0 (mm)
  double length = 0;    // summed straight-line length of the moves from the start point (mm)
  ToolPosition end;     // where the last move ends
  long estimated_seconds = 0;  // round(length × 60 / work feed), 0 when the feed is not positive
  bool stopped = false;        // the stop flag ended the reading early
  Status status;               // the first line whose move words do not convert (left out)
};

// Analyses the program's moves from `current`, the point the program starts from (the work
// zero for a program run). Words missing from a line take the previous point of the analysis,
// as the running machine does; feed words are not read. Lets window events run once per line and stops
// when `stop_flag` is set.
IsoAnalysis AnalyseIsoProgram(const std::vector<std::string>& lines, const ToolPosition& current,
                              int work_feed, Host& host, const std::atomic<bool>& stop_flag,
                              const IsoLineObserver& observer = {});

// round(length × 60 / feed) seconds, halves to even; 0 when the feed is not positive.
long EstimatedProgramSeconds(double length_mm, int feed);

// Seconds as h:mm:ss ("0:02:05", "27:46:40").
std::string FormatHoursMinutesSeconds(long seconds);

enum class IsoRunOutcome {
  kCompleted,  // every line read
  kStopped,    // the stop latch ended the run
  kRefused,    // a move line does not convert: nothing was run (see the status)
};

struct IsoRunResult {
  IsoRunOutcome outcome = IsoRunOutcome::kCompleted;
  Status status;
};

// Runs a program line by line: feed words through SetFeedFromProgram, each G00 and each G01
// one MoveTo to the line's words. A program with a move line that does not convert is refused
// as a whole before the first move. Lets window events run once per line and ends as soon as
// the stop latch is set (STOP, a switch, a refused move): kStopped, with a status naming the
// line and the reason, also shown on the message line.
// `first_line` (0-based) > 0 runs the program from that line on (a resumed run): the lines
// before it are still checked, but not run.
IsoRunResult RunIsoProgram(const std::vector<std::string>& lines, IsoMotion& motion, Host& host,
                           std::size_t first_line = 0);

// Copies on X and Y: total = copies × extent + (copies − 1) × gap (mm).
double RepetitionTotal(int copies, double extent, double gap);

// Whether a repetition total fits on the plate's usable width: plate size − 2 × border ≥ total.
// The total is shown black when it fits, red otherwise.
bool RepetitionFits(double total, double plate_size, double border);

// The copy grid of "Démarrer la gravure". Copy counts are 1 to kMaxCopies.
inline constexpr int kMaxCopies = 100;
struct CopyGrid {
  int copies_x = 1;
  int copies_y = 1;
  double extent_x = 0;  // mm
  double extent_y = 0;  // mm
  double gap = 0;       // CopyGap, mm
};

// Runs the grid row by row from the first copy. After each copy the tool returns to the work
// zero; between copies it lifts to Z 2, moves to the next copy's origin, makes that axis's
// position 0 and comes down to (0, 0, 0), so the work zero walks from copy to copy; at the end it
// walks back to the first copy. `run_one_copy` runs the program once and returns false when it
// was refused, which ends the sequence where it stands (the message is the caller's). Returns
// whether the whole sequence ran: the stop latch ends it too, before any further copy or move.
// The feed the sequence started with is the work feed again at its end: a program's F words do
// not outlive it.
//
// `first_copy` > 0 (0-based, in run order) starts the sequence at that copy, with the work zero
// already there (a resumed run): the copies before it and the walks between them are left out.
bool RunStartSequence(const CopyGrid& grid, const std::function<bool()>& run_one_copy, IsoMotion& motion,
                      int first_copy = 0);

// The path length (mm) of the whole sequence of RunStartSequence: each copy's program
// (`program_length`, ending at `program_end`) and every walk between copies.
double StartSequenceLength(const CopyGrid& grid, double program_length, const ToolPosition& program_end);
// The same sequence's path length (mm) run before each copy's program begins, in run order,
// then the whole length: copy count + 1 values.
std::vector<double> StartSequenceCopyStarts(const CopyGrid& grid, double program_length,
                                            const ToolPosition& program_end);

}  // namespace pistora
