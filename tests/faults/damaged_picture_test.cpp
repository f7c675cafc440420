// Damaged pictures: a decoder would read the missing or impossible part as white (or copper)
// and the board would be processed with a hole in it; they are refused with what is wrong.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <QBuffer>
#include <QImage>

#include "image/artwork_loader.h"
#include "support/temp_folder.h"

namespace pistora {
namespace {

void Put32(std::string* s, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s->push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Put16(std::string* s, std::uint16_t v) {
  s->push_back(static_cast<char>(v & 0xFF));
  s->push_back(static_cast<char>(v >> 8));
}

// An 8-bit BMP of 4 x 2 pixels with a palette of two colours (black, white) and the given pixel
// bytes (RLE8 when `rle`), its pixel data at `offset` (0: right after the palette).
std::string IndexedBmp(const std::string& pixels, bool rle = false, std::uint32_t offset = 0) {
  std::string s = "BM";
  Put32(&s, static_cast<std::uint32_t>(62 + pixels.size()));
  Put32(&s, 0);
  Put32(&s, offset != 0 ? offset : 62);
  Put32(&s, 40);
  Put32(&s, 4);
  Put32(&s, 2);
  Put16(&s, 1);
  Put16(&s, 8);
  Put32(&s, rle ? 1 : 0);
  Put32(&s, static_cast<std::uint32_t>(pixels.size()));
  Put32(&s, 2835);
  Put32(&s, 2835);
  Put32(&s, 2);  // colours used
  Put32(&s, 0);
  s += std::string("\x00\x00\x00\x00\xff\xff\xff\x00", 8);
  return s + pixels;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s.push_back(static_cast<char>(v));
  return s;
}

// No BMP has 6 bits per pixel: the decoder refuses it, the check must not read it as indexed.
std::string SixBitBmp(const std::string& pixels) {
  std::string s = IndexedBmp(pixels);
  s[28] = 6;
  return s;
}

// A 4 x 2 GIF: header, a two-colour table, one image and the trailer.
const std::string kGif = std::string("GIF89a\x04\x00\x02\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff", 19) +
                         std::string(",\x00\x00\x00\x00\x04\x00\x02\x00\x00\x02\x05\x44\x10\x11\x00\x05\x00;", 19);

// A 4 x 2 JPEG as Qt writes it.
std::string Jpeg() {
  QImage image(4, 2, QImage::Format_RGB32);
  image.fill(Qt::white);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG");
  return bytes.toStdString();
}

TEST(DamagedPicture, RefusedWithWhatIsWrong) {
  const std::string rows = Bytes({0, 1, 0, 1, 1, 1, 0, 0});
  struct Row {
    const char* name;
    const char* file_name;
    std::string bytes;
    const char* expected;  // part of the message; nullptr: the picture loads
  };
  const std::vector<Row> table = {
      {"whole BMP", "board.bmp", IndexedBmp(rows), nullptr},
      {"BMP named .gif", "board.gif", IndexedBmp(rows), nullptr},
      {"whole RLE8 BMP", "rle.bmp", IndexedBmp(Bytes({4, 0, 0, 0, 2, 1, 2, 0, 0, 1}), true), nullptr},
      {"RLE8 without its end mark", "rle.bmp", IndexedBmp(Bytes({4, 0, 0, 0, 4, 1}), true), nullptr},
      {"whole GIF", "board.gif", kGif, nullptr},
      {"GIF named .bmp", "board.bmp", kGif, nullptr},
      {"pixel data cut short", "cut.bmp", IndexedBmp(rows.substr(0, 5)),
       "données des pixels plus courtes que l'en-tête ne l'annonce : 8 octets attendus, 5 octets présents"},
      {"pixel offset beyond the file", "offset.bmp", IndexedBmp(rows, false, 4000),
       "le début des pixels (octet 4000) est au-delà de la fin du fichier (70 octets)"},
      {"palette index out of range", "palette.bmp", IndexedBmp(Bytes({0, 1, 0, 1, 1, 7, 0, 0})),
       "indice de couleur 7 au pixel (1, 1) hors de la palette (2 couleurs)"},
      {"RLE run beyond its row", "overrun.bmp", IndexedBmp(Bytes({6, 0, 0, 1}), true), "flux RLE qui déborde de sa ligne"},
      {"RLE rows beyond the picture", "rows.bmp", IndexedBmp(Bytes({4, 0, 0, 0, 4, 0, 0, 0, 4, 0, 0, 1}), true),
       "flux RLE qui déborde de l'image"},
      {"RLE stream cut short", "short.bmp", IndexedBmp(Bytes({4, 0, 0, 0}), true), "flux RLE tronqué"},
      {"RLE palette index out of range", "rle_palette.bmp", IndexedBmp(Bytes({4, 9, 0, 0, 4, 0, 0, 1}), true),
       "indice de couleur 9"},
      {"GIF cut in its image data", "cut.gif", kGif.substr(0, 33), "GIF tronqué : le fichier s'arrête dans les données"},
      {"GIF without its trailer", "end.gif", kGif.substr(0, kGif.size() - 1), "GIF tronqué : le fichier s'arrête sans"},
      {"GIF whose blocks are whole but whose image data stop early", "short.gif",
       kGif.substr(0, 30) + std::string("\x01\x84\x00;", 4), "GIF tronqué : les données d'une image s'arrêtent après 1 pixels sur 8"},
      {"GIF cut in its header", "head.gif", kGif.substr(0, 11), "GIF tronqué : le fichier s'arrête dans l'en-tête"},
      {"no picture format at all", "text.bmp", "quatre fois deux pixels", "ni une image BMP ni une image GIF"},
      {"another format, damaged (PBM)", "text.pbm", "P1 4 2 0101 1100", "Impossible de lire l'image"},
      {"6 bits per pixel (found by fuzzing)", "six.bmp", SixBitBmp(rows), "Impossible de lire l'image"},
      {"whole JPEG", "board.jpg", Jpeg(), nullptr},
      {"JPEG cut in its image data", "cut.jpg", Jpeg().substr(0, Jpeg().size() - 2), "JPEG tronqué"},
  };
  testing::TempFolder folder("damaged_picture");
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    const std::string path = folder.PathOf(row.file_name);
    testing::TempFolder::Write(path, row.bytes);
    Bitmap bitmap(3, 3);
    const Status status = LoadArtwork(path, &bitmap);
    if (row.expected == nullptr) {
      ASSERT_TRUE(status.ok()) << status.message();
      EXPECT_EQ(bitmap.Width(), 4);
      EXPECT_EQ(bitmap.Height(), 2);
      continue;
    }
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find(row.expected), std::string::npos) << status.message();
    EXPECT_NE(status.message().find(row.file_name), std::string::npos) << status.message();
    EXPECT_EQ(bitmap.Width(), 3);
  }
}

}  // namespace
}  // namespace pistora
