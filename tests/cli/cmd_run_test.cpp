#include "cli/cmd_run.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include <unistd.h>

#include "cli/command_table.h"
#include "core/machine/iso_program.h"
#include "core/text/numbers.h"
#include "support/temp_folder.h"

namespace pistora::cli {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome Cli(std::vector<std::string> args) {
  args.insert(args.begin(), "pistora-cli");
  std::ostringstream out, err;
  const int code = Main(args, out, err);
  return {code, out.str(), err.str()};
}

// XDG_CONFIG_HOME pointed at a folder for one test: the user's configuration folder of pistora-cli.
class ScopedConfigHome {
 public:
  explicit ScopedConfigHome(const fs::path& folder) {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) previous_ = old;
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
  }
  ~ScopedConfigHome() {
    if (previous_) {
      setenv("XDG_CONFIG_HOME", previous_->c_str(), 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
  }
  ScopedConfigHome(const ScopedConfigHome&) = delete;
  ScopedConfigHome& operator=(const ScopedConfigHome&) = delete;

 private:
  std::optional<std::string> previous_;
};

std::string LastLine(const std::string& text) {
  std::string trimmed = text;
  while (!trimmed.empty() && trimmed.back() == '\n') trimmed.pop_back();
  return trimmed.substr(trimmed.rfind('\n') + 1);
}

// The pulse counts of a run's last line ("... pulses X=8000 Y=0 Z=266"); none when it has none.
std::optional<std::array<long, 3>> PulsesOf(const std::string& line) {
  std::array<long, 3> pulses{};
  const std::size_t at = line.find("pulses ");
  if (at == std::string::npos) return std::nullopt;
  if (std::sscanf(line.c_str() + at, "pulses X=%ld Y=%ld Z=%ld", &pulses[0], &pulses[1], &pulses[2]) != 3) {
    return std::nullopt;
  }
  return pulses;
}

// The step pulses a program's moves make per axis, tracked as the engine tracks its position
// (each move: round(delta x scale) steps, the position advanced by steps / scale).
std::array<std::int64_t, 3> ExpectedPulses(const std::vector<std::string>& lines, double scale) {
  std::array<double, 3> position = {0, 0, 0};
  std::array<std::int64_t, 3> pulses = {0, 0, 0};
  auto move = [&](const std::array<double, 3>& target) {
    for (int i = 0; i < 3; ++i) {
      const std::int64_t steps = RoundHalfEvenToInt((target[i] - position[i]) * scale);
      pulses[i] += std::llabs(steps);
      position[i] += static_cast<double>(steps) / scale;
    }
  };
  for (const std::string& line : lines) {
    const int moves = (line.find("G00") != std::string::npos) + (line.find("G01") != std::string::npos);
    for (int m = 0; m < moves; ++m) {
      const AxisWords w = ParseAxisWords(line, {position[0], position[1], position[2]});
      move({w.target.x, w.target.y, w.target.z});
    }
  }
  move({0, 0, 0});  // the start sequence's return to the work zero
  return pulses;
}

class RunCommand : public pistora::testing::TempFolderTest {
 protected:
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = PathOf(name);
    TempFolderTest::Write(path, text);
    return path;
  }
  const fs::path dir_ = folder_.path();
};

TEST_F(RunCommand, TheGoldenBoardRunsToItsEndWithTheStepsOfItsMoves) {
  const std::string program = std::string(PISTORA_DEFAULT_SOURCE_DIR) + "/tests/golden/tiny-board-gravure.iso";
  std::vector<std::string> lines;
  ASSERT_TRUE(LoadIsoProgram(program, &lines));
  const auto pulses = ExpectedPulses(lines, 133.3333);
  ASSERT_GT(pulses[0], 100);

  const Outcome r = Cli({"run", program, "--port", "sim", "--virtual-clock"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("Durée : "), std::string::npos);
  std::ostringstream expected;
  expected << "final X=0.000 Y=0.000 Z=0.000 pulses X=" << pulses[0] << " Y=" << pulses[1]
           << " Z=" << pulses[2];
  EXPECT_EQ(LastLine(r.out), expected.str());
}

TEST_F(RunCommand, CopiesAndADrillingProgramRunAfterTheEngraving) {
  const std::string engrave = Write("g.iso", "G00 X0 Y0 Z0\r\nG01 X30 Y0\r\nG01 X30 Y20\r\nG01 X0 Y0\r\n");
  const std::string drill = Write("p.iso", "G00 X10 Y10\r\nG01 Z-1\r\nG00 Z0\r\n");
  const Outcome one = Cli({"run", engrave, "--port=sim", "--virtual-clock"});
  const Outcome four = Cli({"run", engrave, "--copies", "2x2", "--port=sim", "--virtual-clock"});
  const Outcome both = Cli({"run", engrave, "--drill", drill, "--port=sim", "--virtual-clock"});
  ASSERT_EQ(one.code, 0) << one.err;
  ASSERT_EQ(four.code, 0) << four.err;
  ASSERT_EQ(both.code, 0) << both.err;
  // (Parsed without <regex>: GCC 12 warns about its own headers in the sanitizer build.)
  const std::string l1 = LastLine(one.out), l4 = LastLine(four.out), lb = LastLine(both.out);
  const std::optional<std::array<long, 3>> p1 = PulsesOf(l1), p4 = PulsesOf(l4), pb = PulsesOf(lb);
  ASSERT_TRUE(p1) << l1;
  ASSERT_TRUE(p4) << l4;
  ASSERT_TRUE(pb) << lb;
  // X per copy: 30 + 30 + 30 mm... plus the shifts: (2 x 35 mm out and back) between copies.
  const long x1 = (*p1)[0];
  EXPECT_EQ(x1, 2 * 4000 + 0);  // 30 mm out and back
  EXPECT_EQ((*p4)[0], 4 * x1 + 2 * 4667 + 2 * 4667);
  EXPECT_EQ((*pb)[2], 2 * 133);  // the drill goes down 1 mm and back up
  EXPECT_TRUE(l4.rfind("final X=0.000 Y=0.000 Z=0.000", 0) == 0) << l4;
}

// Under sudo the program is read with the invoking user's rights and root is given up once the
// port is open. Run in a child, which keeps the ids it ends with (root only: the drop needs it).
TEST_F(RunCommand, UnderSudoFilesAreReadAsTheUserAndRootIsGivenUp) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, as a run under sudo has";
  const std::string program = Write("g.iso", "G00 X0 Y0 Z0\r\nG01 X3 Y0\r\n");
  fs::permissions(program, fs::perms::owner_read | fs::perms::owner_write);  // root's alone
  const std::string shared = "/tmp/pistora-sudo-run.iso";
  pistora::testing::TempFolder::Write(shared, "G00 X0 Y0 Z0\r\nG01 X3 Y0\r\n");
  fs::permissions(shared, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
  ::setenv("SUDO_UID", "65534", 1);
  ::setenv("SUDO_GID", "65534", 1);
  const auto child = [&] {
    const Outcome refused = Cli({"run", program, "--port", "sim", "--virtual-clock"});
    const bool still_root = ::geteuid() == 0;
    const Outcome ran = Cli({"run", shared, "--port", "sim", "--virtual-clock"});
    const bool dropped = ::getuid() == 65534 && ::geteuid() == 65534 && ::getegid() == 65534 && ::setuid(0) != 0;
    std::_Exit(refused.code == 1 && still_root && ran.code == 0 && dropped ? 0 : 1);
  };
  EXPECT_EXIT(child(), ::testing::ExitedWithCode(0), "");
  ::unsetenv("SUDO_UID");
  ::unsetenv("SUDO_GID");
  fs::remove(shared);
}

TEST_F(RunCommand, AMalformedLineIsReportedAndNothingMoves) {
  const std::string program = Write("bad.iso", "G00 X1 Y1\r\nG01 X2,5 Y1\r\n");
  const Outcome r = Cli({"run", program, "--port", "sim", "--virtual-clock"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("Ligne 2"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("2,5"), std::string::npos) << r.err;
  EXPECT_EQ(r.out.find("final"), std::string::npos);
}

// A target beyond any machine's reach refuses the run before the first move.
TEST_F(RunCommand, AFarTargetRefusesTheRunWithExitCodeOne) {
  const std::string program = Write("far.iso", "G01 X1\r\nG01 X99999999\r\nG01 X0 Y5\r\n");
  const Outcome r = Cli({"run", program, "--copies", "2x1", "--port=sim", "--virtual-clock"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("Ligne 2 du programme : le mot X"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("10 m"), std::string::npos) << r.err;
  EXPECT_EQ(r.out.find("final"), std::string::npos) << r.out;
}

// A real port without --params takes the cn.dat the windows read, the user's first, and says
// which; a bad one stops the run before any port is opened.
TEST_F(RunCommand, ARealPortTakesTheUsersMachineParameters) {
  const std::string program = Write("ok.iso", "G00 X1\r\n");
  fs::create_directories(dir_ / "home" / "pistora");
  TempFolderTest::Write((dir_ / "home" / "pistora" / "cn.dat").string(), "x\r\n");
  const ScopedConfigHome home(dir_ / "home");
  const Outcome r = Cli({"run", program, "--port", "none"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find((dir_ / "home" / "pistora" / "cn.dat").string()), std::string::npos) << r.err;
}

TEST_F(RunCommand, UsageErrors) {
  const std::string program = Write("ok.iso", "G00 X1\r\n");
  EXPECT_EQ(Cli({"run", program, "--port", "sim", "--copies", "0x2"}).code, 2);
  EXPECT_EQ(Cli({"run", program, "--port", "sim", "--copies", "2"}).code, 2);
  EXPECT_EQ(Cli({"run", program, "--port", "none", "--virtual-clock"}).code, 2);
  {
    // A real port needs its cn.dat: none given and none in the user's folder.
    const ScopedConfigHome home(dir_ / "empty-home");
    EXPECT_EQ(Cli({"run", program, "--port", "none"}).code, 2);
  }
  EXPECT_EQ(Cli({"run", program, "--port", "bogus", "--params", Write("x", "")}).code, 1);
  EXPECT_EQ(Cli({"run", (dir_ / "missing.iso").string(), "--port", "sim", "--virtual-clock"}).code, 1);
}

// The depth range of a run's last line ("... depth below surface: min=0.248 max=0.261").
std::pair<double, double> DepthOf(const std::string& line) {
  double min = -1, max = -1;
  const std::size_t at = line.find("depth below surface: ");
  if (at != std::string::npos) std::sscanf(line.c_str() + at, "depth below surface: min=%lf max=%lf", &min, &max);
  return {min, max};
}

TEST_F(RunCommand, AHeightMapKeepsTheDepthTrueOverAWarpedPlate) {
  // Lines 0.25 mm deep across 90 x 70 mm, back and forth, with diagonals.
  std::string program = "F350\r\nG00 Z1\r\n";
  for (int row = 0; row <= 7; ++row) {
    const int y = row * 10;
    program += "G00 X" + std::to_string(row % 2 ? 90 : 0) + " Y" + std::to_string(y) + "\r\nG00 Z-0.25\r\n";
    program += "G01 X" + std::to_string(row % 2 ? 0 : 90) + "\r\nG01 X45 Y" + std::to_string(70 - y) + "\r\n";
    program += "G00 Z1\r\n";
  }
  program += "G00 X0 Y0\r\n";
  const std::string engraving = Write("lines.iso", program);
  const std::string map = (dir_ / "carte.txt").string();
  const std::string surface = "tilt=0.2,0.1;bow=0.1";

  const Outcome probed = Cli({"probe", "--extent", "90x70", "--spacing", "10", "--port", "sim", "--sim-surface",
                              surface, "--virtual-clock", "-o", map});
  ASSERT_EQ(probed.code, 0) << probed.err;
  EXPECT_NE(probed.out.find("10 x 8 points"), std::string::npos) << probed.out;

  const Outcome flat = Cli({"run", engraving, "--port", "sim", "--sim-surface", surface, "--virtual-clock"});
  ASSERT_EQ(flat.code, 0) << flat.err;
  const auto [flat_min, flat_max] = DepthOf(LastLine(flat.out));
  EXPECT_GT(flat_max - flat_min, 0.3) << LastLine(flat.out);

  const Outcome mapped =
      Cli({"run", engraving, "--height-map", map, "--port", "sim", "--sim-surface", surface, "--virtual-clock"});
  ASSERT_EQ(mapped.code, 0) << mapped.err;
  const auto [min, max] = DepthOf(LastLine(mapped.out));
  EXPECT_GE(min, 0.23) << LastLine(mapped.out);
  EXPECT_LE(max, 0.27) << LastLine(mapped.out);
  // The same pulses on X and Y: only Z is corrected.
  EXPECT_EQ(PulsesOf(LastLine(mapped.out)).value()[0], PulsesOf(LastLine(flat.out)).value()[0]);
}

TEST_F(RunCommand, ProbeAndMapUsageErrors) {
  const std::string program = Write("ok.iso", "G00 X1\r\n");
  const std::string map = Write("bad.txt", "grille 2 2 0 0 10 10\r\n0 0 0\r\n10 0 x\r\n");
  const Outcome bad_map = Cli({"run", program, "--height-map", map, "--port", "sim", "--virtual-clock"});
  EXPECT_EQ(bad_map.code, 1);
  EXPECT_NE(bad_map.err.find("ligne 3"), std::string::npos) << bad_map.err;
  EXPECT_EQ(Cli({"run", program, "--port", "sim", "--sim-surface", "tilt=1"}).code, 2);
  const std::string out = (dir_ / "m.txt").string();
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"probe", "--extent", "80x60", "--grid", "6x5", "--port", "sim"},                        // no -o
           {"probe", "--extent", "80", "--grid", "6x5", "--port", "sim", "-o", out},                // one side
           {"probe", "--extent", "80x60", "--port", "sim", "-o", out},                              // no grid
           {"probe", "--extent", "80x60", "--grid", "1x5", "--port", "sim", "-o", out},             // too few
           {"probe", "--extent", "80x60", "--grid", "6x5", "--spacing", "5", "--port", "sim", "-o", out},
           {"probe", "--extent", "80x60", "--grid", "6x5", "--port", "none", "--sim-surface", "bow=1", "-o", out},
       }) {
    const Outcome r = Cli(args);
    EXPECT_EQ(r.code, 2) << r.err;
    EXPECT_FALSE(fs::exists(out));
  }
}

TEST(ParseCopiesTest, ReadsTwoCountsFromOneToAHundred) {
  EXPECT_EQ(ParseCopies("2x3"), std::make_pair(2, 3));
  EXPECT_EQ(ParseCopies("1X1"), std::make_pair(1, 1));
  EXPECT_EQ(ParseCopies("100x100"), std::make_pair(100, 100));
  EXPECT_EQ(ParseCopies("101x1"), std::nullopt);
  EXPECT_EQ(ParseCopies("0x1"), std::nullopt);
  EXPECT_EQ(ParseCopies("2x"), std::nullopt);
  EXPECT_EQ(ParseCopies("2*2"), std::nullopt);
}

}  // namespace
}  // namespace pistora::cli
