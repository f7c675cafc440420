#include "image/picture_structure.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/text/message_translation.h"

namespace pistora {
namespace {

std::uint32_t U16(std::string_view b, std::size_t i) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[i]) | (static_cast<unsigned char>(b[i + 1]) << 8));
}
std::uint32_t U32(std::string_view b, std::size_t i) { return U16(b, i) | (U16(b, i + 2) << 16); }
unsigned Byte(std::string_view b, std::size_t i) { return static_cast<unsigned char>(b[i]); }

std::string Bytes(std::uint64_t n) { return Fill(Tr("%1 octets"), {std::to_string(n)}); }

struct BmpLayout {
  std::uint64_t width = 0;
  std::uint64_t rows = 0;
  unsigned bits = 0;
  std::uint32_t compression = 0;
  std::uint64_t colours = 0;  // palette entries present (indexed pictures)
};

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

Status PaletteIndex(unsigned index, const BmpLayout& bmp, std::uint64_t row, std::uint64_t column) {
  if (index < bmp.colours) return Status::Ok();
  return Status::Error(Fill(Tr("indice de couleur %1 au pixel (%2, %3) hors de la palette (%4 couleurs)."),
                            {std::to_string(index), std::to_string(column), std::to_string(row),
                             std::to_string(bmp.colours)}));
}

Status CheckUncompressed(std::string_view b, std::uint64_t offset, const BmpLayout& bmp) {
  const std::uint64_t stride = (bmp.width * bmp.bits + 31) / 32 * 4;
  const std::uint64_t needed = stride * bmp.rows;
  if (b.size() - offset < needed) {
    return Status::Error(Fill(Tr("données des pixels plus courtes que l'en-tête ne l'annonce : %1 attendus, "
                                 "%2 présents."),
                              {Bytes(needed), Bytes(b.size() - offset)}));
  }
  if (bmp.bits > 8 || bmp.colours >= (1u << bmp.bits)) return Status::Ok();
  const unsigned mask = (1u << bmp.bits) - 1;
  for (std::uint64_t row = 0; row < bmp.rows; ++row) {
    const std::uint64_t start = offset + row * stride;
    for (std::uint64_t x = 0; x < bmp.width; ++x) {
      const std::uint64_t bit = x * bmp.bits;
      const unsigned shift = 8 - bmp.bits - static_cast<unsigned>(bit % 8);
      const unsigned index = (Byte(b, start + bit / 8) >> shift) & mask;
      if (Status s = PaletteIndex(index, bmp, row, x); !s) return s;
    }
  }
  return Status::Ok();
}

Status CheckRle(std::string_view b, std::uint64_t offset, const BmpLayout& bmp) {
  const bool rle4 = bmp.compression == kRle4;
  std::uint64_t x = 0, y = 0;
  std::size_t p = offset;
  auto overrun = [&](const char* what) {
    return Status::Error(Fill(Tr("flux RLE qui déborde %1 à l'octet %2."), {Tr(what), std::to_string(p)}));
  };
  auto pixels = [&](std::uint64_t count, auto index_of) -> Status {
    if (y >= bmp.rows) return overrun("de l'image");
    if (x + count > bmp.width) return overrun("de sa ligne");
    for (std::uint64_t k = 0; k < count; ++k) {
      if (Status s = PaletteIndex(index_of(k), bmp, y, x + k); !s) return s;
    }
    x += count;
    return Status::Ok();
  };
  while (p + 1 < b.size()) {
    const unsigned n = Byte(b, p), c = Byte(b, p + 1);
    p += 2;
    if (n > 0) {
      Status s = pixels(n, [&](std::uint64_t k) { return rle4 ? (k % 2 == 0 ? c >> 4 : c & 15) : c; });
      if (!s) return s;
    } else if (c == 0) {
      x = 0;
      ++y;
    } else if (c == 1) {
      return Status::Ok();
    } else if (c == 2) {
      if (p + 1 >= b.size()) break;
      x += Byte(b, p);
      y += Byte(b, p + 1);
      p += 2;
      if (x > bmp.width || y > bmp.rows) return overrun("de l'image (déplacement)");
    } else {
      const std::size_t data = rle4 ? (c + 1) / 2 : c;
      const std::size_t padded = data + data % 2;
      if (p + padded > b.size()) break;
      const std::size_t start = p;
      Status s = pixels(c, [&](std::uint64_t k) {
        const unsigned byte = Byte(b, start + (rle4 ? k / 2 : k));
        return rle4 ? (k % 2 == 0 ? byte >> 4 : byte & 15) : byte;
      });
      if (!s) return s;
      p += padded;
    }
  }
  // Some writers leave out the end-of-picture mark after the last row; a row left unwritten
  // means the stream was cut.
  if (y >= bmp.rows || (y + 1 == bmp.rows && x == bmp.width)) return Status::Ok();
  return Status::Error(Fill(Tr("flux RLE tronqué : il s'arrête à la ligne %1 sur %2."),
                            {std::to_string(y + 1), std::to_string(bmp.rows)}));
}

Status CheckBmp(std::string_view b) {
  if (b.size() < 18) return Status::Error(Fill(Tr("en-tête BMP tronqué (%1)."), {Bytes(b.size())}));
  const std::uint64_t offset = U32(b, 10);
  const std::uint32_t header = U32(b, 14);
  if (header < 12 || 14 + static_cast<std::uint64_t>(header) > b.size()) {
    return Status::Error(Fill(Tr("en-tête BMP tronqué ou illisible (taille annoncée %1)."), {std::to_string(header)}));
  }
  BmpLayout bmp;
  std::uint64_t palette_start = 14 + static_cast<std::uint64_t>(header);
  unsigned entry = 4;
  std::uint32_t colours_used = 0;
  if (header == 12) {
    bmp.width = U16(b, 18);
    bmp.rows = U16(b, 20);
    bmp.bits = U16(b, 24);
    entry = 3;
  } else {
    if (header < 16) {
      return Status::Error(Fill(Tr("en-tête BMP illisible (taille annoncée %1)."), {std::to_string(header)}));
    }
    const std::int32_t width = static_cast<std::int32_t>(U32(b, 18));
    const std::int32_t height = static_cast<std::int32_t>(U32(b, 22));
    if (width <= 0 || height == 0) return Status::Ok();  // the decoder names it
    bmp.width = static_cast<std::uint64_t>(width);
    bmp.rows = static_cast<std::uint64_t>(std::llabs(height));
    bmp.bits = U16(b, 28);
    if (header >= 20) bmp.compression = U32(b, 30);
    if (header >= 36) colours_used = U32(b, 46);
    if (header == 40 && bmp.compression == kBitFields) palette_start += 12;
  }
  if (offset > b.size()) {
    return Status::Error(Fill(Tr("le début des pixels (octet %1) est au-delà de la fin du fichier (%2)."),
                              {std::to_string(offset), Bytes(b.size())}));
  }
  // Other depths are no BMP at all: the decoder names them.
  if (bmp.bits != 1 && bmp.bits != 2 && bmp.bits != 4 && bmp.bits != 8 && bmp.bits != 16 && bmp.bits != 24 &&
      bmp.bits != 32) {
    return Status::Ok();
  }
  if (bmp.bits <= 8) {
    const std::uint64_t announced = colours_used != 0 ? colours_used : (1u << bmp.bits);
    const std::uint64_t room = offset > palette_start ? (offset - palette_start) / entry : 0;
    bmp.colours = std::min(announced, room);
  }
  if (bmp.compression == kRgb || bmp.compression == kBitFields) return CheckUncompressed(b, offset, bmp);
  if ((bmp.compression == kRle8 && bmp.bits == 8) || (bmp.compression == kRle4 && bmp.bits == 4)) {
    return CheckRle(b, offset, bmp);
  }
  return Status::Ok();
}

Status GifCut(const char* what) {
  return Status::Error(Fill(Tr("GIF tronqué : le fichier s'arrête dans %1."), {Tr(what)}));
}

// Skips a chain of data sub-blocks from `p`; false when the file ends inside it.
bool SkipSubBlocks(std::string_view b, std::size_t* p) {
  while (*p < b.size()) {
    const std::size_t n = Byte(b, (*p)++);
    if (n == 0) return true;
    if (b.size() - *p < n) return false;
    *p += n;
  }
  return false;
}

// Pixels an image's LZW data yield, from its sub-blocks at `p` (the file already known to hold
// them whole): decoded as far as lengths go, without the pixels themselves. -1 when a code names
// an entry that does not exist yet.
long LzwPixelCount(std::string_view b, std::size_t p, unsigned min_code_size) {
  const unsigned clear = 1u << min_code_size;
  const unsigned end = clear + 1;
  std::vector<std::uint32_t> length(4096, 1);
  unsigned code_size = min_code_size + 1;
  unsigned next = end + 1;
  long previous = -1;
  long pixels = 0;
  std::uint32_t bits = 0;
  unsigned held = 0;
  for (std::size_t n = Byte(b, p++); n != 0; n = Byte(b, p++)) {
    for (std::size_t k = 0; k < n; ++k) {
      bits |= static_cast<std::uint32_t>(Byte(b, p++)) << held;
      held += 8;
      while (held >= code_size) {
        const unsigned code = bits & ((1u << code_size) - 1);
        bits >>= code_size;
        held -= code_size;
        if (code == clear) {
          code_size = min_code_size + 1;
          next = end + 1;
          previous = -1;
          continue;
        }
        if (code == end) return pixels;
        if (code > next || (code == next && previous < 0)) return -1;
        const std::uint32_t len = code < next ? length[code] : length[static_cast<std::size_t>(previous)] + 1;
        pixels += len;
        if (previous >= 0 && next < 4096) {
          length[next++] = length[static_cast<std::size_t>(previous)] + 1;
          if (next == (1u << code_size) && code_size < 12) ++code_size;
        }
        previous = code;
      }
    }
  }
  return pixels;
}

Status CheckGif(std::string_view b) {
  if (b.size() < 13) return GifCut("l'en-tête");
  std::size_t p = 13;
  if (Byte(b, 10) & 0x80) p += 3u << ((Byte(b, 10) & 7) + 1);
  if (p > b.size()) return GifCut("la palette globale");
  bool image = false;
  while (p < b.size()) {
    const unsigned kind = Byte(b, p++);
    if (kind == 0x3B) {
      if (!image) return Status::Error(Tr("GIF sans image."));
      return Status::Ok();
    }
    if (kind == 0x21) {
      if (p >= b.size()) return GifCut("un bloc d'extension");
      ++p;
      if (!SkipSubBlocks(b, &p)) return GifCut("un bloc d'extension");
    } else if (kind == 0x2C) {
      if (b.size() - p < 10) return GifCut("un descripteur d'image");
      const long width = static_cast<long>(Byte(b, p + 4) | Byte(b, p + 5) << 8);
      const long height = static_cast<long>(Byte(b, p + 6) | Byte(b, p + 7) << 8);
      const unsigned flags = Byte(b, p + 8);
      p += 9;
      if (flags & 0x80) p += 3u << ((flags & 7) + 1);
      if (p + 1 > b.size()) return GifCut("une palette locale");
      const unsigned min_code_size = Byte(b, p++);
      if (min_code_size < 1 || min_code_size > 11) {
        return Status::Error(
            Fill(Tr("GIF illisible : taille de code LZW %1 impossible."), {std::to_string(min_code_size)}));
      }
      const std::size_t data = p;
      if (!SkipSubBlocks(b, &p)) return GifCut("les données d'une image");
      const long pixels = LzwPixelCount(b, data, min_code_size);
      if (pixels < 0) {
        return Status::Error(Tr("GIF illisible : les données compressées d'une image sont incohérentes."));
      }
      if (pixels < width * height) {
        return Status::Error(Fill(Tr("GIF tronqué : les données d'une image s'arrêtent après %1 pixels sur %2."),
                                  {std::to_string(pixels), std::to_string(width * height)}));
      }
      image = true;
    } else {
      const std::string hex{"0123456789ABCDEF"[kind >> 4], "0123456789ABCDEF"[kind & 15]};
      return Status::Error(Fill(Tr("GIF illisible : bloc inconnu (0x%1) à l'octet %2."), {hex, std::to_string(p - 1)}));
    }
  }
  return Status::Error(Tr("GIF tronqué : le fichier s'arrête sans sa marque de fin (0x3B)."));
}

}  // namespace

PictureKind PictureKindOf(std::string_view bytes) {
  if (bytes.starts_with("BM")) return PictureKind::kBmp;
  if (bytes.starts_with("GIF8")) return PictureKind::kGif;
  return PictureKind::kUnknown;
}

Status CheckJpegEnd(std::string_view bytes) {
  const std::size_t scan = bytes.find("\xFF\xDA");
  if (scan == std::string_view::npos || bytes.find("\xFF\xD9", scan + 2) == std::string_view::npos) {
    return Status::Error(Tr("JPEG tronqué : les données de l'image s'arrêtent avant leur marque de fin."));
  }
  return Status::Ok();
}

Status CheckPictureStructure(std::string_view bytes) {
  switch (PictureKindOf(bytes)) {
    case PictureKind::kBmp:
      return CheckBmp(bytes);
    case PictureKind::kGif:
      return CheckGif(bytes);
    case PictureKind::kUnknown:
      break;
  }
  return Status::Error(Tr("ce n'est ni une image BMP ni une image GIF (début du fichier non reconnu)."));
}

}  // namespace pistora
