#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/host/host.h"
#include "core/job/engraving_file.h"
#include "core/job/gcode_writer.h"
#include "core/text/line_file.h"
#include "support/temp_folder.h"

namespace pistora::cli {
namespace {

namespace fs = std::filesystem;

class GcodeCommand : public pistora::testing::TempFolderTest {
 protected:
  void SetUp() override {
    // A track, a pad and a useless pad.
    board_.PixelSizeMm = 0.05;
    board_.EngravingBitmap = Bitmap(50, 40);
    Contour track;
    track.PathText = "(20;10)+*+*++*+-*-*--CLOSED Points : 7Fin(20,10)";
    track.StartX = track.EndX = 20;
    track.StartY = track.EndY = 10;
    Contour pad;
    pad.PathText = "(5;5)+*+**+*+-*-**-*-CLOSED Points : 8Fin(5,5)";
    pad.StartX = pad.EndX = pad.StartY = pad.EndY = 5;
    pad.CenterX = pad.CenterY = 6;
    pad.IsPad = true;
    Contour spare = pad;
    spare.StartX = spare.EndX = 40;
    spare.CenterX = 41;
    spare.IsUseless = true;
    board_.Table.items = {track, pad, spare};
    ASSERT_TRUE(SaveEngravingFile(Path("board.grv"), board_).ok());
  }
  std::string Path(const std::string& name) const { return PathOf(name); }

  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"pistora-cli", "gcode"});
    out_.str("");
    err_.str("");
    return Main(args, out_, err_);
  }

  std::string Bytes(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path, &bytes).ok()) << path;
    return bytes;
  }

  std::vector<std::string> Files() const { return folder_.Names(); }

  Workspace board_;
  std::ostringstream out_, err_;
};

TEST_F(GcodeCommand, WritesWhatTheWindowWrites) {
  ASSERT_EQ(Run({Path("board.grv"), "--engrave", Path("top"), "--drill", Path("holes.iso")}), 0) << err_.str();
  EXPECT_EQ(Files(), (std::vector<std::string>{"board.grv", "holes.iso", "top.iso"}));
  EXPECT_NE(out_.str().find(Path("top.iso")), std::string::npos);

  // The window's commands on the same table, in the same order, with the built-in texts.
  NullHost host;
  Workspace ws = board_;
  ASSERT_TRUE(GenerateEngravingProgram(ws, host, JobParameters{}, Path("window-top.iso")).ok());
  ASSERT_TRUE(GenerateDrillingProgram(ws, host, JobParameters{}, Path("window-holes.iso")).ok());
  EXPECT_EQ(Bytes(Path("top.iso")), Bytes(Path("window-top.iso")));
  EXPECT_EQ(Bytes(Path("holes.iso")), Bytes(Path("window-holes.iso")));
  EXPECT_NE(Bytes(Path("holes.iso")).find("G00 X2.050 Y0.300\r\nF100\r\nG01 Z-1.7\r\nF350\r\n"), std::string::npos);
}

TEST_F(GcodeCommand, OptionTextsAreCopiedAsGiven) {
  ASSERT_EQ(Run({Path("board.grv"), "--drill", Path("d"), "--depth", "0.3", "--drill-depth", "2.", "--retract=3",
                 "--feed", "0500", "--drill-feed", "80", "--no-spindle"}),
            0)
      << err_.str();
  const std::string program = Bytes(Path("d.iso"));
  EXPECT_EQ(program.substr(0, 45), "(debut programme per\xE7" "age)\r\n%\r\nF0500\r\nG00 Z3\r\n");
  EXPECT_NE(program.find("F80\r\nG01 Z-2.\r\nF0500\r\n"), std::string::npos);
  EXPECT_EQ(program.find("M03"), std::string::npos);
  EXPECT_EQ(program.find("M05"), std::string::npos);
  EXPECT_EQ(Files(), (std::vector<std::string>{"board.grv", "d.iso"}));
}

TEST_F(GcodeCommand, RefusedCommandsWriteNothing) {
  const std::string grv = Path("board.grv");
  const std::string iso = Path("out.iso");
  struct Row {
    const char* name;
    std::vector<std::string> args;
    int exit_code;
  } rows[] = {
      {"comma in a depth", {grv, "--engrave", iso, "--depth", "0,25"}, 2},
      {"signed retract", {grv, "--engrave", iso, "--retract", "-1.5"}, 2},
      {"two points", {grv, "--engrave", iso, "--drill-depth", "1.2.3"}, 2},
      {"decimal feed", {grv, "--drill", iso, "--feed", "350.5"}, 2},
      {"empty drill feed", {grv, "--drill", iso, "--drill-feed="}, 2},
      {"a word", {grv, "--engrave", iso, "--depth", "deep"}, 2},
      {"no program asked", {grv, "--depth", "0.2"}, 2},
      {"no input", {"--engrave", iso}, 2},
      {"two inputs", {grv, grv, "--engrave", iso}, 2},
      {"unknown option", {grv, "--engrave", iso, "--speed", "3"}, 2},
      {"one name for both programs", {grv, "--engrave", Path("same"), "--drill", Path("same.iso")}, 2},
      {"missing engraving file", {Path("none.grv"), "--engrave", iso}, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Run(r.args), r.exit_code);
    EXPECT_FALSE(err_.str().empty());
    EXPECT_EQ(Files(), (std::vector<std::string>{"board.grv"}));
  }
  Run({grv, "--engrave", iso, "--depth", "0,25"});
  EXPECT_NE(err_.str().find("--depth"), std::string::npos) << err_.str();
}

TEST_F(GcodeCommand, FailedWriteReportsAndKeepsTheOlderProgram) {
  ASSERT_TRUE(WriteFileAtomically(Path("old.iso"), "older\r\n").ok());
  SetWriteFaultPlanForTesting(WriteFaultPlan{10, false});
  const int code = Run({Path("board.grv"), "--engrave", Path("old.iso"), "--drill", Path("new.iso")});
  SetWriteFaultPlanForTesting(WriteFaultPlan{});
  EXPECT_EQ(code, 1);
  EXPECT_FALSE(err_.str().empty());
  EXPECT_EQ(Bytes(Path("old.iso")), "older\r\n");
  EXPECT_EQ(Files(), (std::vector<std::string>{"board.grv", "old.iso"}));
}

}  // namespace
}  // namespace pistora::cli
