#include <gtest/gtest.h>

#include <QStandardPaths>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/text/line_file.h"
#include "core/text/numbers.h"
#include "support/gerber_board.h"
#include "support/temp_folder.h"

namespace pistora::cli {
namespace {

namespace board = testing_board;

// The number after `key` in `text` (".", may be negative).
double NumberAfter(const std::string& text, const std::string& key) {
  const std::size_t at = text.find(key);
  EXPECT_NE(at, std::string::npos) << key << " in " << text;
  if (at == std::string::npos) return NAN;
  const std::size_t begin = at + key.size();
  const std::size_t end = text.find_first_of(" \r\n", begin);
  return ParseDecimal(text.substr(begin, end - begin), '.').value_or(NAN);
}

class ConvertGerberTest : public testing::TempFolderTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("gerbv").isEmpty()) {
      GTEST_SKIP() << "gerbv absent (paquet Debian gerbv) : la conversion des fichiers Gerber n'est pas vérifiée";
    }
    std::ofstream(dir_ + "/carte.gbr") << board::kCopperLayer;
    std::ofstream(dir_ + "/carte.drl") << board::kDrillFile;
  }
  const std::string dir_ = folder_.path().string();
};

// Every hole of the drill file is drilled once, by the drill of its size, within half a pixel
// (plus the programs' thousandth of a mm) of its place on the board, mirrored or not.
TEST_P(ConvertGerberTest, DrillsWhereTheDrillFileSays) {
  const bool mirror = GetParam();
  constexpr int kDpi = 1000;
  const double pixel_mm = 25.4 / kDpi;
  std::vector<std::string> args = {"pistora-cli", "convert", dir_ + "/carte.gbr", "--drill", dir_ + "/carte.drl",
                                   "--dpi", std::to_string(kDpi), "--out-dir", dir_ + "/out"};
  if (mirror) args.push_back("--mirror");
  std::ostringstream out, err;
  ASSERT_EQ(Main(args, out, err), 0) << err.str();
  EXPECT_EQ(err.str(), "");  // every hole lies on a pad
  // "X0 Y0 des programmes = X <x0> Y <y0> mm de la carte"
  const std::string origin = out.str().substr(out.str().find("X0 Y0 des programmes = "));
  const double x0 = NumberAfter(origin, "= X ");
  const double y0 = NumberAfter(origin, " Y ");
  std::vector<int> drilled(std::size(board::kHoles), 0);
  for (const char* drill : {"0.8", "1"}) {
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadLatin1Lines(dir_ + "/out/carte-percage-" + drill + "mm.iso", &lines));
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
      if (lines[i + 2].rfind("G01 Z-", 0) != 0) continue;  // a plunge two lines after its rapid
      const double x = NumberAfter(lines[i], "X"), y = NumberAfter(lines[i], "Y");
      const double board_x = mirror ? x0 - x : x0 + x;
      const double board_y = y0 + y;
      bool found = false;
      for (std::size_t k = 0; k < drilled.size(); ++k) {
        const DrillHole& hole = board::kHoles[k];
        if (std::abs(board_x - hole.x_mm) > pixel_mm / 2 + 5e-4 || std::abs(board_y - hole.y_mm) > pixel_mm / 2 + 5e-4) {
          continue;
        }
        found = true;
        ++drilled[k];
        EXPECT_EQ(std::string(drill), hole.diameter_mm > 0.9 ? "1" : "0.8") << lines[i];
      }
      EXPECT_TRUE(found) << lines[i];
    }
  }
  for (int count : drilled) EXPECT_EQ(count, 1);
}

// A drill file of another board (every hole 30 mm to the right) is drilled as asked but reported.
TEST_F(ConvertGerberTest, HolesOffThePadsAreReported) {
  std::ofstream(dir_ + "/autre.drl") << "M48\nMETRIC\nT1C0.8\n%\nT1\nX35.0Y5.0\nX45.0Y12.0\nM30\n";
  std::ostringstream out, err;
  ASSERT_EQ(Main({"pistora-cli", "convert", dir_ + "/carte.gbr", "--drill", dir_ + "/autre.drl", "--out-dir",
                  dir_ + "/out"},
                 out, err),
            0)
      << err.str();
  EXPECT_NE(err.str().find("ligne 6 du fichier de perçage (X 35.000 Y 5.000 mm, 0.800 mm) ne tombe sur aucune pastille"),
            std::string::npos)
      << err.str();
  EXPECT_NE(err.str().find("ligne 7"), std::string::npos) << err.str();
}

INSTANTIATE_TEST_SUITE_P(Faces, ConvertGerberTest, ::testing::Bool());

}  // namespace
}  // namespace pistora::cli
