#include "core/artwork/bmp_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/text/line_file.h"

namespace pistora {
namespace {

std::uint32_t Le(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return v;
}

TEST(EncodeBmp24, WritesHeadersAndPaddedBottomUpRows) {
  Bitmap bm(3, 2);
  bm.Set(0, 0, Rgb{1, 2, 3});
  bm.Set(2, 1, Rgb{200, 100, 50});
  const std::string bytes = EncodeBmp24(bm);
  ASSERT_EQ(bytes.size(), 54u + 2 * 12);  // 9 bytes of pixels padded to 12 per row
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(Le(bytes, 2, 4), bytes.size());
  EXPECT_EQ(Le(bytes, 10, 4), 54u);
  EXPECT_EQ(Le(bytes, 14, 4), 40u);
  EXPECT_EQ(Le(bytes, 18, 4), 3u);
  EXPECT_EQ(Le(bytes, 22, 4), 2u);
  EXPECT_EQ(Le(bytes, 26, 2), 1u);
  EXPECT_EQ(Le(bytes, 28, 2), 24u);
  EXPECT_EQ(Le(bytes, 30, 4), 0u);
  EXPECT_EQ(Le(bytes, 34, 4), 24u);
  // The bottom row (row 1) comes first, blue-green-red.
  EXPECT_EQ(Le(bytes, 54 + 6, 3), 0xC86432u);  // (200, 100, 50) stored 50, 100, 200
  EXPECT_EQ(Le(bytes, 54 + 9, 3), 0u);         // padding
  EXPECT_EQ(Le(bytes, 66, 3), 0x010203u);      // (1, 2, 3) stored 3, 2, 1
  EXPECT_EQ(Le(bytes, 66 + 3, 3), 0xFFFFFFu);
}

TEST(SaveBmp24, ReplacesAFileOnlyWhenTheWriteSucceeds) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "pistora_bmp_writer_test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "out.bmp").string();
  Bitmap bm(4, 4, kBlack);
  ASSERT_TRUE(SaveBmp24(path, bm).ok());
  std::string read;
  ASSERT_TRUE(ReadFileBytes(path, &read).ok());
  EXPECT_EQ(read, EncodeBmp24(bm));

  SetWriteFaultPlanForTesting(WriteFaultPlan{10, false});
  const Status failed = SaveBmp24(path, Bitmap(9, 9));
  SetWriteFaultPlanForTesting(WriteFaultPlan{});
  EXPECT_FALSE(failed.ok());
  EXPECT_FALSE(failed.message().empty());
  ASSERT_TRUE(ReadFileBytes(path, &read).ok());
  EXPECT_EQ(read, EncodeBmp24(bm));
  EXPECT_FALSE(SaveBmp24((dir / "missing" / "out.bmp").string(), bm).ok());
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace pistora
