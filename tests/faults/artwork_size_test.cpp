// Artwork pictures at and beyond the size limits. The pictures that would need gigabytes are
// only announced by their headers: they must be refused before any pixel is decoded.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>

#include "core/artwork/bmp_writer.h"
#include "image/artwork_loader.h"
#include "support/temp_folder.h"

namespace pistora {
namespace {

using testing::TempFolderTest;

void Put32(std::string* s, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s->push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Put16(std::string* s, std::uint16_t v) {
  s->push_back(static_cast<char>(v & 0xFF));
  s->push_back(static_cast<char>(v >> 8));
}

// The headers of a 24-bit BMP of the given size followed by one row of pixels only.
std::string BmpHeaderOnly(std::int32_t width, std::int32_t height) {
  std::string s = "BM";
  Put32(&s, 54 + 3 * 64);
  Put32(&s, 0);
  Put32(&s, 54);
  Put32(&s, 40);
  Put32(&s, static_cast<std::uint32_t>(width));
  Put32(&s, static_cast<std::uint32_t>(height));
  Put16(&s, 1);
  Put16(&s, 24);
  for (int i = 0; i < 6; ++i) Put32(&s, 0);
  s += std::string(3 * 64, '\0');
  return s;
}

// A GIF whose logical screen is `width` x `height` holding one 4 x 2 image.
std::string GifWithScreen(std::uint16_t width, std::uint16_t height) {
  std::string s = "GIF89a";
  Put16(&s, width);
  Put16(&s, height);
  s += std::string("\x80\x00\x00\x00\x00\x00\xff\xff\xff", 9);
  s += std::string(",\x00\x00\x00\x00\x04\x00\x02\x00\x00\x02\x05\x44\x10\x11\x00\x05\x00;", 19);
  return s;
}

class ArtworkSize : public TempFolderTest {
 protected:
  // Loads and expects a refusal that names the size, quickly and with `bitmap` untouched.
  void ExpectRefused(const std::string& name, const std::string& size_text) {
    Bitmap bitmap(3, 2);
    const auto start = std::chrono::steady_clock::now();
    const Status status = LoadArtwork(PathOf(name), &bitmap);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find(size_text + " pixels"), std::string::npos) << status.message();
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
  }
};

TEST_F(ArtworkSize, TwentyThousandSquaredIsRefusedBeforeDecoding) {
  Write(PathOf("big.bmp"), BmpHeaderOnly(20000, 20000));
  ExpectRefused("big.bmp", "20000 x 20000");
  // Stored top-down (negative height): the same picture.
  Write(PathOf("top_down.bmp"), BmpHeaderOnly(20000, -20000));
  ExpectRefused("top_down.bmp", "20000 x 20000");
  // Just over what the decoder reads at all.
  Write(PathOf("over.bmp"), BmpHeaderOnly(16385, 16385));
  ExpectRefused("over.bmp", "16385 x 16385");
}

TEST_F(ArtworkSize, AGifScreenOfTwentyThousandSquaredIsRefused) {
  Write(PathOf("big.gif"), GifWithScreen(20000, 20000));
  ExpectRefused("big.gif", "20000 x 20000");
  Write(PathOf("wide.gif"), GifWithScreen(30000, 2));
  ExpectRefused("wide.gif", "30000 x 2");
}

TEST_F(ArtworkSize, ASideOverTwentyThousandIsRefusedAndTwentyThousandIsRead) {
  ASSERT_TRUE(SaveBmp24(PathOf("wide.bmp"), Bitmap(20001, 1)).ok());
  ExpectRefused("wide.bmp", "20001 x 1");
  ASSERT_TRUE(SaveBmp24(PathOf("tall.bmp"), Bitmap(1, 20001)).ok());
  ExpectRefused("tall.bmp", "1 x 20001");

  Bitmap edge(20000, 2, kWhite);
  edge.Set(19999, 1, kBlack);
  ASSERT_TRUE(SaveBmp24(PathOf("edge.bmp"), edge).ok());
  Bitmap read;
  ASSERT_TRUE(LoadArtwork(PathOf("edge.bmp"), &read).ok());
  EXPECT_EQ(read.Width(), 20000);
  EXPECT_EQ(read.Height(), 2);
  EXPECT_TRUE(read.Is(19999, 1, kBlack));
  EXPECT_TRUE(read.Is(0, 0, kWhite));
}

TEST_F(ArtworkSize, ASmallGifOnItsOwnScreenStillReads) {
  Write(PathOf("small.gif"), GifWithScreen(4, 2));
  Bitmap read;
  ASSERT_TRUE(LoadArtwork(PathOf("small.gif"), &read).ok());
  EXPECT_EQ(read.Width(), 4);
  EXPECT_EQ(read.Height(), 2);
}

}  // namespace
}  // namespace pistora
