#include "core/job/excellon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pistora {
namespace {

// Three holes of two tools, the same board in every encoding below: (10.16, 5.08) and
// (-2.54, 0.254) with a 0.8 mm drill, then (30.48, 20.32) with a 1.0 mm drill.
struct Expected {
  double x, y, d;
};
const std::vector<Expected> kBoard = {{10.16, 5.08, 0.8}, {-2.54, 0.254, 0.8}, {30.48, 20.32, 1.0}};

struct Encoding {
  const char* name;
  const char* text;
};

const Encoding kEncodings[] = {
    {"metric decimals, tools in header",
     "M48\nMETRIC\nT1C0.800\nT2C1.000\n%\nG90\nG05\nT1\nX10.16Y5.08\nX-2.54Y0.254\nT2\nX30.48Y20.32\nT0\nM30\n"},
    {"inch, trailing zeros kept (2.4, leading zeros left out)",
     "M48\nINCH,TZ\nT01C0.031496\nT02C0.03937\n%\nT01\nX4000Y2000\nX-1000Y100\nT02\nX12000Y8000\nM30\n"},
    {"inch, leading zeros kept (2.4, trailing zeros left out)",
     "M48\nINCH,LZ\nT1C.031496\nT2C.03937\n%\nT1\nX004Y002\nX-001Y0001\nT2\nX012Y008\nM30\n"},
    {"metric 3.3 leading zeros kept, format from the units line",
     "M48\nMETRIC,LZ,000.000\nT1C0.8\nT2C1.0\n%\nT1\nX01016Y00508\nX-00254Y000254\nT2\nX03048Y02032\nM30\n"},
    {"metric from a format comment, 2:5 trailing zeros kept, M71",
     "M48\n;FILE_FORMAT=2:5\nM71\nT1F00S00C0.80\nT2C1.00\n%\nT1\nX1016000Y508000\nX-254000Y25400\nT2\n"
     "X3048000Y2032000\nM30\n"},
    {"no header, tools inline, CR LF and blanks",
     "M72\r\nT1C0.031496\r\nX0.4Y0.2\r\n  X-0.1Y0.01 \r\nT2C0.03937\r\nX1.2Y0.8\r\n"},
};

TEST(ExcellonTest, EveryEncodingGivesTheSameHoles) {
  for (const Encoding& e : kEncodings) {
    SCOPED_TRACE(e.name);
    DrillFile file;
    const Status s = ParseDrillFile(e.text, "carte.drl", &file);
    ASSERT_TRUE(s) << s.message();
    ASSERT_EQ(file.holes.size(), kBoard.size());
    for (std::size_t i = 0; i < kBoard.size(); ++i) {
      EXPECT_NEAR(file.holes[i].x_mm, kBoard[i].x, 1e-6) << i;
      EXPECT_NEAR(file.holes[i].y_mm, kBoard[i].y, 1e-6) << i;
      EXPECT_NEAR(file.holes[i].diameter_mm, kBoard[i].d, 1e-4) << i;
    }
  }
}

TEST(ExcellonTest, ModalCoordinateAndSlotEnds) {
  DrillFile file;
  ASSERT_TRUE(ParseDrillFile("METRIC\nT3C2.0\nX1.0Y2.0\nY3.0\nX5.0Y5.0G85X9.0Y5.0\n", "s.drl", &file));
  ASSERT_EQ(file.holes.size(), 4u);
  EXPECT_DOUBLE_EQ(file.holes[1].x_mm, 1.0);
  EXPECT_DOUBLE_EQ(file.holes[1].y_mm, 3.0);
  EXPECT_EQ(file.holes[1].line, 4);
  EXPECT_DOUBLE_EQ(file.holes[3].x_mm, 9.0);
  ASSERT_EQ(file.notices.size(), 1u);
  EXPECT_NE(file.notices[0].find("ligne 5"), std::string::npos) << file.notices[0];
}

TEST(ExcellonTest, DrillListHasEachDiameterOnceToTheHundredth) {
  EXPECT_EQ(DrillListOfHoles({{0, 0, 1.00076, 1}, {0, 0, 0.8001, 2}, {0, 0, 3.2, 3}, {0, 0, 0.8, 4}, {0, 0, 0.85, 5}}),
            "0.8,0.85,1,3.2");
  EXPECT_EQ(DrillListOfHoles({}), "");
}

TEST(ExcellonTest, BadLinesAreRefusedByNumber) {
  const struct {
    const char* text;
    const char* line;
    const char* why;
  } kCases[] = {
      {"M48\nMETRIC\nT1C0.8\n%\nT1\nX1.0Y1.0\nHELLO\n", "ligne 7", "inconnue"},
      {"METRIC\nX1.0Y1.0\n", "ligne 2", "avant le choix"},
      {"METRIC\nT1C0.8\nT2\nX1.0Y1.0\n", "ligne 4", "T2"},
      {"METRIC\nT1C0.8\nT1\nX1.0Yabc\n", "ligne 4", "Yabc"},
      {"METRIC\nT1C12.5\n", "ligne 2", "hors de 0 à 10 mm"},
      {"METRIC\nT1C0.8\nG91\n", "ligne 3", "relatives"},
      {"METRIC\nT1C0.8\nT1\nG00X1.0Y1.0\nM15\n", "ligne 4", "détourage"},
      {"METRIC,XZ\n", "ligne 1", "illisibles"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    DrillFile file;
    file.holes.push_back({});
    const Status s = ParseDrillFile(c.text, "carte.drl", &file);
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find(c.line), std::string::npos) << s.message();
    EXPECT_NE(s.message().find(c.why), std::string::npos) << s.message();
    EXPECT_NE(s.message().find("carte.drl"), std::string::npos) << s.message();
    EXPECT_EQ(file.holes.size(), 1u);  // untouched
  }
}

}  // namespace
}  // namespace pistora
