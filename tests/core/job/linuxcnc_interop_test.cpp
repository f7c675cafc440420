// Runs LinuxCNC's own interpreter (rs274, Debian package linuxcnc-uspace, installed by
// scripts/setup where the package can be had) on linuxcnc-dialect programs and compares its
// canonical moves with the own runner's reading of the pistora-dialect programs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/job/program_moves.h"
#include "core/job/gcode_writer.h"
#include "core/job/job_test_host.h"
#include "core/job/random_board.h"
#include "core/machine/iso_program.h"
#include "core/text/line_file.h"
#include "support/temp_folder.h"

namespace pistora {
namespace {

std::string FindRs274() {
  for (const char* path : {"/usr/bin/rs274", "/usr/local/bin/rs274"}) {
    if (std::filesystem::exists(path)) return path;
  }
  return "";
}

// The STRAIGHT_TRAVERSE and STRAIGHT_FEED calls of rs274's canonical output.
std::vector<ToolPosition> CanonicalMoves(const std::string& canon) {
  std::vector<ToolPosition> moves;
  std::istringstream in(canon);
  std::string line;
  while (std::getline(in, line)) {
    for (const char* call : {"STRAIGHT_TRAVERSE(", "STRAIGHT_FEED("}) {
      const std::size_t at = line.find(call);
      if (at == std::string::npos) continue;
      ToolPosition p;
      if (std::sscanf(line.c_str() + at + std::string(call).size(), "%lf, %lf, %lf", &p.x, &p.y, &p.z) == 3) {
        moves.push_back(p);
      }
    }
  }
  return moves;
}

class LinuxCncInterop : public testing::TempFolderTest {};

TEST_F(LinuxCncInterop, Rs274ReadsEveryProgramWithTheSameMoves) {
  const std::string rs274 = FindRs274();
  if (rs274.empty()) {
    GTEST_SKIP() << "rs274 introuvable (paquet Debian linuxcnc-uspace non install\xC3\xA9 : "
                    "scripts/setup l'installe quand le d\xC3\xA9p\xC3\xB4t est joignable)";
  }
  struct Variant {
    const char* name;
    const char* travel_height;
    bool improved;
    const char* drills;
  } variants[] = {{"defaults", "", false, ""}, {"air", "0.5", true, "0.6,0.8,1.0,1.2"}};
  for (unsigned seed = 1; seed <= 3; ++seed) {
    for (const Variant& v : variants) {
      SCOPED_TRACE(std::string(v.name) + ", seed " + std::to_string(seed));
      JobParameters own;
      own.TravelHeight = v.travel_height;
      own.ImprovedOrder = v.improved;
      own.Drills = v.drills;
      JobParameters lcnc = own;
      lcnc.TargetDialect = Dialect::LinuxCnc;
      Workspace ws = testing::RandomBoard(seed, 60);
      testing::JobTestHost host;
      const std::string stem = PathOf(std::string(v.name) + std::to_string(seed));
      ProgramReport own_engraving, lcnc_engraving;
      std::vector<ProgramReport> own_drilling, lcnc_drilling;
      ASSERT_TRUE(GenerateEngravingProgram(ws, host, own, stem + "-own", &own_engraving).ok());
      ASSERT_TRUE(GenerateDrillingPrograms(ws, host, own, stem + "-own-percage", &own_drilling).ok());
      ASSERT_TRUE(GenerateEngravingProgram(ws, host, lcnc, stem + "-lcnc.ngc", &lcnc_engraving).ok());
      ASSERT_TRUE(GenerateDrillingPrograms(ws, host, lcnc, stem + "-lcnc-percage.ngc", &lcnc_drilling).ok());
      std::vector<std::pair<ProgramReport, ProgramReport>> pairs{{own_engraving, lcnc_engraving}};
      ASSERT_EQ(own_drilling.size(), lcnc_drilling.size());
      for (std::size_t i = 0; i < own_drilling.size(); ++i) pairs.emplace_back(own_drilling[i], lcnc_drilling[i]);
      for (const auto& [mine, theirs] : pairs) {
        SCOPED_TRACE(theirs.Path);
        const std::string canon = theirs.Path + ".canon", errors = theirs.Path + ".err";
        // -g: run the whole file; the default continue mode stops at the first error.
        const std::string command = rs274 + " -g '" + theirs.Path + "' '" + canon + "' < /dev/null > /dev/null 2> '" +
                                    errors + "'";
        const int code = std::system(command.c_str());
        EXPECT_EQ(code, 0) << Slurp(errors);
        EXPECT_EQ(Slurp(errors).find("rror"), std::string::npos) << Slurp(errors);
        const std::vector<ToolPosition> expected = testing::ProgramMoves(mine.Lines);
        const std::vector<ToolPosition> got = CanonicalMoves(Slurp(canon));
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t k = 0; k < got.size(); ++k) {
          ASSERT_NEAR(got[k].x, expected[k].x, 1e-4) << "move " << k;
          ASSERT_NEAR(got[k].y, expected[k].y, 1e-4) << "move " << k;
          ASSERT_NEAR(got[k].z, expected[k].z, 1e-4) << "move " << k;
        }
      }
    }
  }
}

}  // namespace
}  // namespace pistora
