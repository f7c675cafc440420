#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/artwork/bmp_writer.h"
#include "core/job/engraving_file.h"
#include "core/text/line_file.h"
#include "support/golden_file.h"
#include "support/temp_folder.h"

namespace pistora::cli {
namespace {

namespace fs = std::filesystem;

// A tiny board: a 7 x 7 pad with a 3 x 3 hole, a track leaving it, a copper dot standing
// alone and a second pad ring.
Bitmap TinyBoard() {
  Bitmap b(48, 32, kWhite);
  auto copper = [&](int x0, int row0, int x1, int row1) {
    for (int row = row0; row <= row1; ++row) {
      for (int x = x0; x <= x1; ++x) b.Set(x, row, kBlack);
    }
  };
  copper(4, 18, 10, 24);   // pad ring ...
  copper(11, 20, 30, 22);  // ... with a track to the right
  copper(31, 17, 37, 25);  // a second, taller pad ring
  copper(40, 6, 40, 6);    // a lone copper pixel: drilled only
  for (int row = 20; row <= 22; ++row) {
    for (int x = 6; x <= 8; ++x) b.Set(x, row, kWhite);
    for (int x = 33; x <= 35; ++x) b.Set(x, row, kWhite);
  }
  return b;
}

class ConvertCommand : public pistora::testing::TempFolderTest {
 protected:
  void SetUp() override {
    fs::create_directories(dir_ / "in");
    ASSERT_TRUE(SaveBmp24((dir_ / "in" / "tiny-board.bmp").string(), TinyBoard()).ok());
  }
  std::string In() const { return (dir_ / "in" / "tiny-board.bmp").string(); }
  std::string Out(const std::string& name = "") const { return (dir_ / "out" / name).string(); }

  int Run(std::vector<std::string> args, const char* command = "convert") {
    args.insert(args.begin(), {"pistora-cli", command});
    out_.str("");
    err_.str("");
    return Main(args, out_, err_);
  }

  static std::string Bytes(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path, &bytes).ok()) << path;
    return bytes;
  }

  const fs::path dir_ = folder_.path();
  std::ostringstream out_, err_;
};

TEST_F(ConvertCommand, TinyBoardMatchesTheGoldenFiles) {
  ASSERT_EQ(Run({In(), "--out-dir", Out(), "--dpi", "600"}), 0) << err_.str();
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(Out())) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"tiny-board-gravure.iso", "tiny-board-percage.iso", "tiny-board.grv"}));
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    EXPECT_NE(out_.str().find(Out(name)), std::string::npos) << out_.str();
    EXPECT_EQ(testing::CompareWithGolden(name, Bytes(Out(name))), "");
  }

  // The engraving file holds the analysis before any job ordering.
  EngravingFile grv;
  ASSERT_TRUE(ReadEngravingFile(Out("tiny-board.grv"), &grv).ok());
  ASSERT_GE(grv.Table.ContourCount(), 4);
  int pads = 0;
  for (const Contour& c : grv.Table.items) {
    EXPECT_EQ(c.JobOrder, 0);
    pads += c.IsPad ? 1 : 0;
  }
  EXPECT_EQ(pads, 3);  // two holes and the lone dot
  const std::string drilling = Bytes(Out("tiny-board-percage.iso"));
  EXPECT_EQ(std::count(drilling.begin(), drilling.end(), '\n'), 4 + 3 * 5 + 4);
}

TEST_F(ConvertCommand, ProgramsFromTheSavedFileAreTheSame) {
  // Loading the written .grv and generating again (as the window does after "Charger") gives
  // the same programs: the saved pixel size and table lose nothing that reaches a program.
  ASSERT_EQ(Run({In(), "--out-dir", Out(), "--pixel-mm", "0.0423", "--depth", "0.1", "--no-spindle"}), 0)
      << err_.str();
  ASSERT_EQ(Run({Out("tiny-board.grv"), "--engrave", Out("again-g"), "--drill", Out("again-p"), "--depth", "0.1",
                 "--no-spindle"},
                "gcode"),
            0)
      << err_.str();
  EXPECT_EQ(Bytes(Out("again-g.iso")), Bytes(Out("tiny-board-gravure.iso")));
  EXPECT_EQ(Bytes(Out("again-p.iso")), Bytes(Out("tiny-board-percage.iso")));
  EXPECT_NE(Bytes(Out("again-g.iso")).find("G00 Z-0.1\r\n"), std::string::npos);
}

TEST_F(ConvertCommand, ReplacesItsWholeSetOrNone) {
  // A second convert with another depth is interrupted: a full disk on the first program, a
  // rename refused after the engraving file was replaced, a kill before the renames (its
  // temporaries stay). The previous set stays whole, and the next convert clears the scraps.
  const std::vector<std::string> names = {"tiny-board.grv", "tiny-board-gravure.iso", "tiny-board-percage.iso"};
  struct Row {
    const char* name;
    WriteFaultPlan plan;
    bool scraps_left;
  } rows[] = {
      {"full disk mid-set", {.fail_after_bytes = 10, .writes_before_failure = 1}, false},
      {"rename refused mid-set", {.fail_rename = true, .renames_before_failure = 1}, false},
      {"killed before the renames", {.fail_after_bytes = 10, .writes_before_failure = 2, .abandon_staged = true}, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(Out());
    ASSERT_EQ(Run({In(), "--out-dir", Out(), "--dpi", "600"}), 0) << err_.str();
    std::vector<std::string> before;
    for (const std::string& name : names) before.push_back(Bytes(Out(name)));
    SetWriteFaultPlanForTesting(row.plan);
    EXPECT_EQ(Run({In(), "--out-dir", Out(), "--dpi", "600", "--depth", "0.1"}), 1);
    SetWriteFaultPlanForTesting({});
    EXPECT_NE(err_.str().find("tiny-board"), std::string::npos) << err_.str();
    std::size_t scraps = 0;
    for (const auto& entry : fs::directory_iterator(Out())) {
      scraps += entry.path().filename().string().find(".tmp~") != std::string::npos ? 1 : 0;
    }
    EXPECT_EQ(scraps > 0, row.scraps_left);
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(Bytes(Out(names[i])), before[i]) << names[i];

    ASSERT_EQ(Run({In(), "--out-dir", Out(), "--dpi", "600", "--depth", "0.1"}), 0) << err_.str();
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(Out())) {
      ++files;
      EXPECT_EQ(entry.path().filename().string().find(".tmp~"), std::string::npos) << entry.path();
    }
    EXPECT_EQ(files, names.size());
    EXPECT_NE(Bytes(Out("tiny-board-gravure.iso")), before[1]);
  }
}

TEST_F(ConvertCommand, RefusedCommandsWriteNothing) {
  struct Row {
    const char* name;
    std::vector<std::string> args;
    int exit_code;
  } rows[] = {
      {"no scale", {In(), "--out-dir", Out()}, 2},
      {"two scales", {In(), "--out-dir", Out(), "--dpi", "600", "--pixel-mm", "0.04"}, 2},
      {"zero dpi", {In(), "--out-dir", Out(), "--dpi", "0"}, 2},
      {"hole size out of range", {In(), "--out-dir", Out(), "--dpi", "600", "--hole-size", "21"}, 2},
      {"pad points out of range", {In(), "--out-dir", Out(), "--dpi", "600", "--pad-points", "1"}, 2},
      {"comma depth", {In(), "--out-dir", Out(), "--dpi", "600", "--depth", "0,2"}, 2},
      {"decimal drill feed", {In(), "--out-dir", Out(), "--dpi", "600", "--drill-feed", "1.5"}, 2},
      {"no output folder", {In(), "--dpi", "600"}, 2},
      {"missing artwork", {(dir_ / "in" / "none.bmp").string(), "--out-dir", Out(), "--dpi", "600"}, 1},
      {"no copper", {(dir_ / "in" / "blank.bmp").string(), "--out-dir", Out(), "--dpi", "600"}, 1},
      {"tool width with thickening", {In(), "--out-dir", Out(), "--dpi", "600", "--tool-width", "0.2", "--thicken"}, 2},
      {"passes without tool width", {In(), "--out-dir", Out(), "--dpi", "600", "--passes", "2"}, 2},
      {"overlap out of range", {In(), "--out-dir", Out(), "--dpi", "600", "--tool-width", "0.2", "--overlap", "0.95"}, 2},
  };
  ASSERT_TRUE(SaveBmp24((dir_ / "in" / "blank.bmp").string(), Bitmap(8, 8, kWhite)).ok());
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Run(r.args), r.exit_code);
    EXPECT_FALSE(err_.str().empty());
    EXPECT_FALSE(fs::exists(Out()));
  }
}

// The tiny board at 600 dpi with a 0.2 mm tool: the one-pixel paths of a plain convert cut most
// of its copper and drill the lone dot (the check fails); --tool-width paths cut none, the dot is
// engraved, not drilled, and convert prints the check's line. A grey copy of the board gives the
// same programs.
TEST_F(ConvertCommand, ToolWidthPathsPassTheCheckThatPlainPathsFail) {
  ASSERT_EQ(Run({In(), "--out-dir", Out("plain"), "--dpi", "600"}), 0) << err_.str();
  EXPECT_EQ(Run({In(), Out("plain/tiny-board-gravure.iso"), "--dpi", "600", "--tool-width", "0.2", "--drill",
                 Out("plain/tiny-board-percage.iso")},
                "check"),
            1);
  EXPECT_EQ(out_.str(), "check: islands=2 not-isolated=0 copper-cut=142 (91.61 %) drills-on-copper=1\n");

  ASSERT_EQ(Run({In(), "--out-dir", Out("tool"), "--dpi", "600", "--tool-width", "0.2"}), 0) << err_.str();
  EXPECT_NE(out_.str().find("check: islands=2 not-isolated=0 copper-cut=0 (0.00 %) drills-on-copper=0\n"),
            std::string::npos)
      << out_.str();
  EXPECT_EQ(err_.str(), "");  // no gap narrower than the tool

  Bitmap grey = TinyBoard();
  for (int row = 0; row < grey.Height(); ++row) {
    for (int x = 0; x < grey.Width(); ++x) grey.Set(x, row, grey.Is(x, row, kBlack) ? Rgb{60, 60, 60} : Rgb{230, 230, 220});
  }
  fs::create_directories(dir_ / "grey");
  ASSERT_TRUE(SaveBmp24((dir_ / "grey" / "tiny-board.bmp").string(), grey).ok());
  ASSERT_EQ(Run({(dir_ / "grey" / "tiny-board.bmp").string(), "--out-dir", Out("grey"), "--dpi", "600", "--tool-width",
                 "0.2"}),
            0);
  EXPECT_NE(err_.str().find("noir et blanc"), std::string::npos) << err_.str();
  EXPECT_EQ(Bytes(Out("grey/tiny-board-gravure.iso")), Bytes(Out("tool/tiny-board-gravure.iso")));
}

}  // namespace
}  // namespace pistora::cli
