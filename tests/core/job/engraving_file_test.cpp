#include "core/job/engraving_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/text/line_file.h"
#include "core/text/numbers.h"
#include "support/temp_folder.h"

namespace pistora {
namespace {

namespace fs = std::filesystem;

class EngravingFileTest : public testing::TempFolderTest {
 protected:
  const fs::path dir_ = folder_.path();
};

Contour SinglePixelPad() {
  Contour c;
  c.PathText = "(1;2)+*+**+*+-*-**-*-CLOSED Points : 8Fin(1,2)";
  c.StartX = 1;
  c.StartY = 2;
  c.EndX = 1;
  c.EndY = 2;
  c.PointCount = 8;
  c.IsClosed = true;
  c.IsPad = true;
  c.CenterX = 2;
  c.CenterY = 3;
  c.MinX = 1;
  c.MaxX = 3;
  c.MinY = 2;
  c.MaxY = 4;
  return c;
}

TEST_F(EngravingFileTest, WritesTheExactBytes) {
  Workspace ws;
  ws.PixelSizeMm = 0.0254;
  ws.EngravingBitmap = Bitmap(5, 4);
  ws.Table.items.push_back(SinglePixelPad());
  ASSERT_TRUE(SaveEngravingFile(PathOf("a.grv"), ws));
  const std::string expected =
      " 2.54000000000000E-0002\r\n4\r\n5\r\n1\r\n"
      "(1;2)+*+**+*+-*-**-*-CLOSED Points : 8Fin(1,2)\r\n1\r\n2\r\n1\r\n2\r\n8\r\nTRUE\r\nTRUE\r\n2\r\n3\r\n0\r\n"
      "1\r\n3\r\n2\r\n4\r\nFALSE\r\n"
      "\r\n0\r\n0\r\n0\r\n0\r\n0\r\nFALSE\r\nFALSE\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\nFALSE\r\n";
  EXPECT_EQ(Slurp(PathOf("a.grv")), expected);
}

TEST_F(EngravingFileTest, EmptyTableGivesTheHeadAndOneRecord) {
  Workspace ws;
  ws.EngravingBitmap = Bitmap(3, 2);
  const std::vector<std::string> lines = EngravingFileLines(ws);
  ASSERT_EQ(lines.size(), 4u + 16u);
  EXPECT_EQ(lines[0], " 0.00000000000000E+0000");
  EXPECT_EQ(lines[3], "0");
}

TEST_F(EngravingFileTest, RoundTripKeepsEveryFieldFlagAndText) {
  Workspace ws;
  ws.PixelSizeMm = 25.4 / 600.0;
  ws.EngravingBitmap = Bitmap(7, 9);
  const std::vector<std::string> texts = {"(1;2)+*CLOSED Points : 1Fin(2,2)",
                                          "",
                                          "TRUE",
                                          " leading blank; tabs\there (é°ÿ) » «",
                                          "-12"};
  int k = 0;
  for (bool pad : {false, true}) {
    for (bool useless : {false, true}) {
      for (bool closed : {false, true}) {
        Contour c;
        c.PathText = texts[static_cast<std::size_t>(k) % texts.size()];
        // Points on the 7 x 9 picture; the other integers at the ends of their range.
        c.StartX = k;
        c.StartY = 9 - k;
        c.EndX = 7 - k;
        c.EndY = k;
        c.PointCount = 2147483647 - k;
        c.IsClosed = closed;
        c.IsPad = pad;
        c.IsUseless = useless;
        c.CenterX = (k + 1) % 8;
        c.CenterY = k + 1;
        c.JobOrder = -2147483647 - 1 + k;
        c.MinX = k % 7;
        c.MaxX = 7;
        c.MinY = 0;
        c.MaxY = 9 - k % 2;
        ws.Table.items.push_back(c);
        ++k;
      }
    }
  }
  ws.Table.past_end = SinglePixelPad();  // a stale slot is kept as it was
  ws.Table.past_end.JobOrder = 4;
  ASSERT_TRUE(SaveEngravingFile(PathOf("b.grv"), ws));
  // Latin-1 on disk: one byte per accented character.
  EXPECT_NE(Slurp(PathOf("b.grv")).find("(\xE9\xB0\xFF)"), std::string::npos);

  Workspace loaded;
  loaded.SelectedContour = 5;
  loaded.StopRequest = true;
  ASSERT_TRUE(LoadEngravingFile(PathOf("b.grv"), &loaded));
  EXPECT_EQ(loaded.Table, ws.Table);
  // The file keeps 15 significant digits: the value read is the one of the written text.
  EXPECT_EQ(loaded.PixelSizeMm, ParseDecimal(FormatScientific23(ws.PixelSizeMm)).value());
  EXPECT_NEAR(loaded.PixelSizeMm, ws.PixelSizeMm, 1e-16);
  EXPECT_EQ(loaded.EngravingBitmap.Width(), 7);
  EXPECT_EQ(loaded.EngravingBitmap.Height(), 9);
  EXPECT_EQ(loaded.SelectedContour, 0);
  EXPECT_FALSE(loaded.StopRequest);
  // Saving what was loaded gives the same bytes.
  ASSERT_TRUE(SaveEngravingFile(PathOf("c.grv"), loaded));
  EXPECT_EQ(Slurp(PathOf("c.grv")), Slurp(PathOf("b.grv")));
}

// A well-formed file with one contour, as lines; tests change single lines of it.
std::vector<std::string> OneContourLines() {
  Workspace ws;
  ws.PixelSizeMm = 0.0254;
  ws.EngravingBitmap = Bitmap(5, 4);
  ws.Table.items.push_back(SinglePixelPad());
  return EngravingFileLines(ws);
}

TEST(EngravingFileParse, NumbersSkipTheRestOfTheLineAndFlagsNeedExactTrue) {
  std::vector<std::string> lines = OneContourLines();
  lines[0] = "0.0254 mm par pixel";
  lines[1] = "\t4  rows";
  lines[5] = "  1";      // StartX
  lines[6] = "+2";       // StartY
  lines[10] = "true";    // IsClosed
  lines[11] = "True";    // IsPad
  lines[19] = "TRUE ";   // IsUseless: not exactly "TRUE"
  EngravingFile file;
  ASSERT_TRUE(ParseEngravingFile(lines, &file)) << ParseEngravingFile(lines, &file).message();
  EXPECT_DOUBLE_EQ(file.PixelSizeMm, 0.0254);
  EXPECT_EQ(file.Height, 4);
  EXPECT_EQ(file.Table[0].StartX, 1);
  EXPECT_EQ(file.Table[0].StartY, 2);
  EXPECT_FALSE(file.Table[0].IsClosed);
  EXPECT_FALSE(file.Table[0].IsPad);
  EXPECT_FALSE(file.Table[0].IsUseless);

  for (const char* notation : {" 2.54000000000000E-0002", "2.54e-2", "0.0254", ".0254"}) {
    SCOPED_TRACE(notation);
    lines[0] = notation;
    ASSERT_TRUE(ParseEngravingFile(lines, &file));
    EXPECT_DOUBLE_EQ(file.PixelSizeMm, 0.0254);
  }
}

TEST_F(EngravingFileTest, BadFilesLeaveTheWorkspaceUntouched) {
  struct Row {
    const char* name;
    int line;  // 0-based line to replace, -1: keep the first `keep` lines only
    std::string text;
    std::size_t keep;
    std::string expected;  // part of the message
  };
  const std::vector<Row> rows = {
      {"pixel size not a number", 0, "abc", 0, "ligne 1 (taille d'un pixel en mm)"},
      {"pixel size with comma", 0, "0,0254", 0, "ligne 1"},
      {"empty height", 1, "", 0, "ligne 2 (hauteur de l'image)"},
      {"negative height", 1, "-5", 0, "ligne 2 (hauteur de l'image) : -5 hors de 0"},
      {"absurd width", 2, "2147483647", 0, "ligne 3 (largeur de l'image)"},
      {"count not a number", 3, "un", 0, "ligne 4 (nombre de contours)"},
      {"negative count", 3, "-1", 0, "ligne 4 (nombre de contours) : -1 est négatif"},
      {"count of 2^31", 3, "2147483648", 0, "ligne 4 (nombre de contours) : « 2147483648 » n'est pas un nombre entier"},
      {"more records than lines", 3, "2", 0, "ligne 4 (nombre de contours) : 2 contours annoncés"},
      {"huge count", 3, "2147483647", 0, "2147483647 contours annoncés"},
      {"integer field with text", 5, "12abc", 0, "ligne 6 (contour 0, StartX)"},
      {"decimal in an integer field", 14, "1.5", 0, "ligne 15 (contour 0, JobOrder)"},
      {"bad field in the last record", 29, "z", 0, "ligne 30 (contour 1, CenterY)"},
      {"cut inside the head", -1, "", 3, "ligne 4 (nombre de contours) : le fichier s'arrête"},
      {"cut inside a record", -1, "", 30, "ligne 4 (nombre de contours) : 1 contours annoncés"},
      // Meaning: a size or a point that would turn into INF, mirrored or off-board moves.
      {"pixel size of 1e308", 0, "1e308", 0, "ligne 1 (taille d'un pixel en mm) : « 1e308 » : la taille"},
      {"zero pixel size", 0, "0", 0, "ligne 1 (taille d'un pixel en mm) : « 0 »"},
      {"negative pixel size", 0, "-0.0254", 0, "ligne 1 (taille d'un pixel en mm) : « -0.0254 »"},
      {"pixel size of 10 mm", 0, "10", 0, "moins de 10 mm"},
      {"count below the records", 3, "0", 0, "ligne 4 (nombre de contours) : 0 contours annoncés (plus l'enregistrement final), mais le fichier a 2"},
      {"pad 54 km to the left", 12, "-2126000", 0, "ligne 13 (contour 0, CenterX) : -2126000 hors de l'image (0 à 5)"},
      {"start above the picture", 6, "5", 0, "ligne 7 (contour 0, StartY) : 5 hors de l'image (0 à 4)"},
      {"path walking off the picture", 4, "(1;2)+*+*+*+*+*CLOSED Points : 5Fin(6,2)", 0,
       "ligne 5 (contour 0, PathText) : le tracé passe par (6 ; 2)"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::vector<std::string> lines = OneContourLines();
    if (r.line >= 0) {
      lines[static_cast<std::size_t>(r.line)] = r.text;
    } else {
      lines.resize(r.keep);
    }
    ASSERT_TRUE(WriteLatin1LinesAtomically(PathOf("bad.grv"), lines));

    Workspace ws;
    ws.PixelSizeMm = 0.5;
    ws.EngravingBitmap = Bitmap(3, 3, kBlue);
    ws.Table.items.push_back(SinglePixelPad());
    ws.SelectedContour = 0;
    const Workspace before = ws;
    const Status s = LoadEngravingFile(PathOf("bad.grv"), &ws);
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find(r.expected), std::string::npos) << s.message();
    EXPECT_NE(s.message().find("bad.grv"), std::string::npos) << s.message();
    EXPECT_EQ(ws.Table, before.Table);
    EXPECT_EQ(ws.PixelSizeMm, before.PixelSizeMm);
    EXPECT_TRUE(ws.EngravingBitmap == before.EngravingBitmap);
  }

  Workspace ws;
  ws.PixelSizeMm = 0.5;
  const Status missing = LoadEngravingFile(PathOf("absent.grv"), &ws);
  EXPECT_FALSE(missing);
  EXPECT_NE(missing.message().find("absent.grv"), std::string::npos);
  EXPECT_EQ(ws.PixelSizeMm, 0.5);
}

TEST_F(EngravingFileTest, FailedSaveKeepsThePreviousFile) {
  Workspace ws;
  ws.PixelSizeMm = 0.0254;
  ws.EngravingBitmap = Bitmap(5, 4);
  ws.Table.items.push_back(SinglePixelPad());
  Write(PathOf("keep.grv"), "old contents");
  SetWriteFaultPlanForTesting(WriteFaultPlan{40, false});
  EXPECT_FALSE(SaveEngravingFile(PathOf("keep.grv"), ws));
  EXPECT_EQ(Slurp(PathOf("keep.grv")), "old contents");
}

TEST(EngravingFilePanel, RangeCountersAndBoxesFollowTheLoadedTable) {
  Workspace ws;
  ws.PixelSizeMm = 0.0254;
  LoadedPanel empty = PanelAfterLoad(ws);
  EXPECT_FALSE(empty.selectable);
  EXPECT_EQ(empty.max_index, -1);
  EXPECT_EQ(empty.panel, SelectionPanel{});
  EXPECT_EQ(empty.pixel_size_text, "0.02540");

  Contour useless;
  useless.IsUseless = true;
  Contour track;
  ws.Table.items = {useless, SinglePixelPad(), track};
  const LoadedPanel loaded = PanelAfterLoad(ws);
  EXPECT_TRUE(loaded.selectable);
  EXPECT_EQ(loaded.min_index, 0);
  EXPECT_EQ(loaded.max_index, 2);
  EXPECT_EQ(loaded.panel, (SelectionPanel{{1, 1}, false, true}));
}

}  // namespace
}  // namespace pistora
