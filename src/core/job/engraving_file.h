#pragma once

#include <string>
#include <vector>

#include "core/artwork/contour.h"
#include "core/artwork/verification.h"
#include "core/artwork/workspace.h"
#include "core/text/status.h"

namespace pistora {

// The engraving file (.grv): Latin-1 text, CR LF line ends.
//   line 1  pixel size in mm, 23-character scientific form (" 2.54000000000000E-0002")
//   line 2  height of the engraving bitmap, line 3 its width, line 4 N = number of contours
//   then N + 1 records of 16 lines, table indices 0 to N; record N is the slot just past the
//   last contour (ContourTable::past_end):
//     PathText, StartX, StartY, EndX, EndY, PointCount, IsClosed, IsPad, CenterX, CenterY,
//     JobOrder, MinX, MaxX, MinY, MaxY, IsUseless
// Integers are plain decimal, flags "TRUE" or "FALSE".
//
// Reading: a numeric line is read like a number typed at a prompt: leading blanks (spaces,
// tabs) are skipped, the number runs up to the next blank or the line end and must be whole
// ("12abc" is refused), and whatever follows a blank is skipped ("12 px" reads 12). The pixel
// size takes any ordinary decimal notation with "." (" 2.54E-0002", "0.0254", "1e-3"); the
// others are 32-bit integers. A flag is true only for the exact line "TRUE". PathText is the
// whole line. Lines after the last record are ignored when they make no whole record.
// Meaning is checked too: the pixel size must be usable (IsUsablePixelSize), the count must
// match the complete records the file holds, and every contour's points (start, end, centre,
// bounds, path corners) must lie on the picture, 0 to width and 0 to height; the message names
// the line. The record past the end is kept as read.

// What a file holds.
struct EngravingFile {
  double PixelSizeMm = 0.0;
  int Height = 0;
  int Width = 0;
  ContourTable Table;
};

// The file's lines (UTF-8, without line ends) for the workspace's pixel size, engraving
// bitmap size and table.
std::vector<std::string> EngravingFileLines(const Workspace& ws);

// Writes the file atomically: on failure the previous file is untouched.
Status SaveEngravingFile(const std::string& path, const Workspace& ws);

// Parses lines as read from a file. A line that is no number, a size outside
// 0..kMaxImageSide, a negative contour count or one that announces more records than the
// file holds, or a file cut short give a message naming the line number and the field;
// `file` is then untouched.
Status ParseEngravingFile(const std::vector<std::string>& lines, EngravingFile* file);

// Reads and parses a whole file; the message names the file.
Status ReadEngravingFile(const std::string& path, EngravingFile* file);

// Puts a read file into the workspace: pixel size, a white engraving bitmap of the file's
// size, the table; SelectedContour 0 and StopRequest cleared. The artwork bitmap is not part
// of the file and is left to the caller.
void ApplyEngravingFile(EngravingFile&& file, Workspace* ws);

// ReadEngravingFile then ApplyEngravingFile; on failure the workspace is untouched.
Status LoadEngravingFile(const std::string& path, Workspace* ws);

// The verification panel right after a load: the contour number ranges over the loaded
// contours (0 to N - 1; nothing selectable when N = 0) and starts at 0, the counters and
// check boxes show the loaded table, the pixel-size box its value with 5 decimals.
struct LoadedPanel {
  int min_index = 0;
  int max_index = -1;
  bool selectable = false;
  SelectionPanel panel;
  std::string pixel_size_text;
};
LoadedPanel PanelAfterLoad(const Workspace& ws);

}  // namespace pistora
