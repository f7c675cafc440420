// Resolution stated by picture headers, read from files Qt writes (BMP, PNG, JPEG, TIFF) and
// from hand-made headers that state none; and the colours of the formats beyond BMP and GIF.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/artwork/bmp_writer.h"
#include "image/artwork_loader.h"
#include "image/picture_resolution.h"
#include "support/temp_folder.h"

namespace pistora {
namespace {

using testing::TempFolderTest;

// A small board: white, a black track, one red pixel (kept as red by every lossless format).
QImage Board(int dots_per_metre) {
  QImage image(12, 9, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int x = 2; x < 10; ++x) image.setPixel(x, 4, qRgb(0, 0, 0));
  image.setPixel(1, 1, qRgb(255, 0, 0));
  image.setDotsPerMeterX(dots_per_metre);
  image.setDotsPerMeterY(dots_per_metre);
  return image;
}

std::string Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format)) << format;
  return bytes.toStdString();
}

bool CanWrite(const char* format) { return QImageWriter::supportedImageFormats().contains(format); }

class PictureFormatTest : public TempFolderTest {
 protected:
  // Writes `image` as `format`, loads it back and checks pixels and the resolution read.
  void CheckRoundTrip(const char* format, int dots_per_metre, bool lossless) {
    SCOPED_TRACE(std::string(format) + " at " + std::to_string(dots_per_metre) + " dots per metre");
    const std::string path = PathOf(std::string("board.") + format);
    Write(path, Encoded(Board(dots_per_metre), format));
    Bitmap bitmap;
    std::optional<StatedResolution> resolution;
    ASSERT_TRUE(LoadArtwork(path, &bitmap, &resolution)) << path;
    ASSERT_EQ(bitmap.Width(), 12);
    ASSERT_EQ(bitmap.Height(), 9);
    if (lossless) {
      EXPECT_EQ(bitmap.At(5, 4), kBlack);
      EXPECT_EQ(bitmap.At(0, 0), kWhite);
      EXPECT_EQ(bitmap.At(1, 1), (Rgb{255, 0, 0}));
    }
    ASSERT_TRUE(resolution.has_value());
    const double dpi = std::round(dots_per_metre * 0.0254);
    EXPECT_NEAR(resolution->dpi_x, dpi, 0.01);  // TIFF may store dots per cm
    EXPECT_NEAR(resolution->dpi_y, dpi, 0.01);
  }
};

TEST_F(PictureFormatTest, ResolutionReadFromWhatQtWrites) {
  for (const int dots_per_metre : {11811, 23622, 47244}) {  // 300, 600, 1200 dpi
    CheckRoundTrip("bmp", dots_per_metre, true);
    CheckRoundTrip("png", dots_per_metre, true);
    CheckRoundTrip("jpg", dots_per_metre, false);
  }
}

TEST_F(PictureFormatTest, ResolutionReadFromTiff) {
  if (!CanWrite("tiff")) GTEST_SKIP() << "no TIFF plugin (Debian qt6-image-formats-plugins): TIFF not checked";
  for (const int dots_per_metre : {11811, 23622}) CheckRoundTrip("tiff", dots_per_metre, true);
}

void PutBe32(std::string* s, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) s->push_back(static_cast<char>((v >> shift) & 0xFF));
}

// A PNG's signature, IHDR and a pHYs chunk of the given unit (CRCs are not checked here).
std::string PngWithPhys(std::uint32_t x, std::uint32_t y, int unit) {
  std::string s("\x89PNG\r\n\x1a\n", 8);
  PutBe32(&s, 13);
  s += "IHDR" + std::string(13, '\1') + std::string(4, '\0');
  PutBe32(&s, 9);
  s += "pHYs";
  PutBe32(&s, x);
  PutBe32(&s, y);
  s.push_back(static_cast<char>(unit));
  s += std::string(4, '\0');
  return s;
}

// A little-endian TIFF with one directory holding XResolution, YResolution (x/1, y/1) and
// ResolutionUnit `unit` (0: the tag left out).
std::string Tiff(std::uint32_t x, std::uint32_t y, int unit) {
  std::string s("II*\0", 4);
  const auto put16 = [&s](std::uint32_t v) { s.push_back(static_cast<char>(v & 0xFF)), s.push_back(static_cast<char>(v >> 8)); };
  const auto put32 = [&](std::uint32_t v) { put16(v & 0xFFFF), put16(v >> 16); };
  const std::uint32_t entries = unit ? 3 : 2;
  const std::uint32_t values = 8 + 2 + 12 * entries + 4;
  put32(8);
  put16(entries);
  put16(282), put16(5), put32(1), put32(values);
  put16(283), put16(5), put32(1), put32(values + 8);
  if (unit) put16(296), put16(3), put32(1), put32(static_cast<std::uint32_t>(unit));
  put32(0);
  put32(x), put32(1), put32(y), put32(1);
  return s;
}

TEST(StatedResolution, HeaderFacts) {
  const std::string bmp_none = EncodeBmp24(Bitmap(4, 3, kWhite));  // states 0 pixels per metre
  struct Case {
    const char* name;
    std::string bytes;
    std::optional<double> dpi_x, dpi_y;
  };
  const Case cases[] = {
      {"BMP stating 0 dots per metre", bmp_none, std::nullopt, std::nullopt},
      {"BMP cut in its header", bmp_none.substr(0, 30), std::nullopt, std::nullopt},
      {"PNG pHYs in metres, unequal axes", PngWithPhys(23622, 11811, 1), 600.0, 300.0},
      {"PNG pHYs a metre off a whole dpi", PngWithPhys(23623, 23623, 1), 600.0242, 600.0242},
      {"PNG pHYs aspect only (unit 0)", PngWithPhys(1, 1, 0), std::nullopt, std::nullopt},
      {"PNG pHYs cut short", PngWithPhys(23622, 23622, 1).substr(0, 40), std::nullopt, std::nullopt},
      {"TIFF in inches", Tiff(600, 600, 2), 600.0, 600.0},
      {"TIFF without unit: inches", Tiff(300, 150, 0), 300.0, 150.0},
      {"TIFF in centimetres", Tiff(100, 100, 3), 254.0, 254.0},
      {"TIFF unit 1: no absolute size", Tiff(300, 300, 1), std::nullopt, std::nullopt},
      {"TIFF at 72 dpi: a program's default", Tiff(72, 72, 2), std::nullopt, std::nullopt},
      {"PNG at 96 dpi: a program's default", PngWithPhys(3780, 3780, 1), std::nullopt, std::nullopt},
      {"PNG at 96 x 300 dpi: chosen", PngWithPhys(3780, 11811, 1), 96.0, 300.0},
      {"TIFF directory beyond the end", Tiff(600, 600, 2).substr(0, 20), std::nullopt, std::nullopt},
      {"JPEG density in dots per cm", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\1\1\2\0\x64\0\x64", 18), 254.0, 254.0},
      {"JPEG aspect only", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\1\1\0\0\1\0\1", 18), std::nullopt, std::nullopt},
      {"GIF states none", "GIF89a" + std::string(20, '\0'), std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<StatedResolution> read = ReadStatedResolution(c.bytes);
    ASSERT_EQ(read.has_value(), c.dpi_x.has_value());
    if (!read) continue;
    EXPECT_NEAR(read->dpi_x, *c.dpi_x, 1e-3);
    EXPECT_NEAR(read->dpi_y, *c.dpi_y, 1e-3);
  }
}

TEST_F(PictureFormatTest, UnreadableContentKeepsTheBmpGifMessage) {
  const std::string path = PathOf("notes.png");
  Write(path, "ceci n'est pas une image");
  Bitmap bitmap(3, 3, kBlack);
  const Status status = LoadArtwork(path, &bitmap);
  ASSERT_FALSE(status);
  EXPECT_NE(status.message().find("ni une image BMP ni une image GIF"), std::string::npos) << status.message();
  EXPECT_EQ(bitmap.At(1, 1), kBlack);  // untouched
}

}  // namespace
}  // namespace pistora
