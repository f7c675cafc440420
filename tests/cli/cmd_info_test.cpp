#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/command_table.h"
#include "support/temp_folder.h"

namespace pistora::cli {
namespace {

namespace fs = std::filesystem;

class InfoCommand : public pistora::testing::TempFolderTest {
 protected:
  std::string Write(const std::string& text) {
    const std::string path = PathOf("p.iso");
    TempFolderTest::Write(path, text);
    return path;
  }
  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"pistora-cli", "info"});
    out_.str("");
    err_.str("");
    return Main(args, out_, err_);
  }
  std::string LastLine() const {
    std::string text = out_.str();
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text.substr(text.rfind('\n') + 1);
  }
  const fs::path dir_ = folder_.path();
  std::ostringstream out_, err_;
};

TEST_F(InfoCommand, PrintsExtentLengthAndTimeAsTheWindowShowsThem) {
  // Missing words take the previous point: the Z-only lines are plunges and lifts. The time
  // also counts the return to the work zero after the program.
  const std::string program =
      Write("%\r\nG00 Z2\r\nG00 X0 Y0\r\nG01 Z-0.1 F150\r\nG01 X30 Y0\r\nG01 X30 Y20\r\n"
            "G01 X0 Y20\r\nG01 X0 Y0\r\nG00 Z2\r\nM30\r\n");
  ASSERT_EQ(Run({program}), 0) << err_.str();
  EXPECT_EQ(LastLine(), "extent X=30.000 Y=20.000 length=106.200 time=43");
  EXPECT_NE(out_.str().find("Taille X : 30.000"), std::string::npos);
  EXPECT_NE(out_.str().find("Temps estimé : 0:00:43 (à 150 mm/mn)"), std::string::npos) << out_.str();
  ASSERT_EQ(Run({program, "--feed", "300"}), 0);
  EXPECT_EQ(LastLine(), "extent X=30.000 Y=20.000 length=106.200 time=22");
  // Two copies: 2 x 108.2 mm and two walks of 2 + 35 + 2 mm.
  ASSERT_EQ(Run({program, "--copies", "2x1"}), 0) << err_.str();
  EXPECT_EQ(LastLine(), "extent X=30.000 Y=20.000 length=106.200 time=118");
  EXPECT_NE(out_.str().find("Temps estimé : 0:01:58 (à 150 mm/mn, 2x1 copies)"), std::string::npos);
}

TEST_F(InfoCommand, QuirksOfTheReader) {
  // Y before X is not seen (10.5 mm to (-10.5, 0, 0)); "G1" and "g01" are not moves; then
  // sqrt(8.5² + 4²) = 9.394 mm to (-2, 4, 0), and sqrt(20) back to the work zero. Negative X
  // gives an extent of 0.
  ASSERT_EQ(Run({Write("G01 Y3 X-10.5\r\nG1 X50 Y50\r\ng01 X60\r\nG00 X-2 Y4\r\n")}), 0);
  EXPECT_EQ(LastLine(), "extent X=0.000 Y=4.000 length=19.894 time=10");
}

TEST_F(InfoCommand, BadInputIsReported) {
  EXPECT_EQ(Run({Write("G00 X1.5.2\r\n")}), 1);
  EXPECT_NE(err_.str().find("Ligne 1"), std::string::npos) << err_.str();
  EXPECT_EQ(Run({(dir_ / "none.iso").string()}), 1);
  EXPECT_EQ(Run({Write("G00 X1\r\nG00 X1e308 Y0\r\n")}), 1);
  EXPECT_NE(err_.str().find("Ligne 2 du programme : le mot X \xC2\xAB 1e308 \xC2\xBB d\xC3\xA9passe 10 m"),
            std::string::npos)
      << err_.str();
  EXPECT_EQ(Run({Write("G00 X1\r\n"), "--feed", "0"}), 2);
  EXPECT_EQ(Run({}), 2);
}

}  // namespace
}  // namespace pistora::cli
