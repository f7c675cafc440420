#include "core/artwork/bmp_writer.h"

#include <cstdint>

#include "core/text/line_file.h"

namespace pistora {
namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string EncodeBmp24(const Bitmap& bitmap) {
  const auto width = static_cast<std::uint32_t>(bitmap.Width());
  const auto height = static_cast<std::uint32_t>(bitmap.Height());
  const std::uint32_t row_bytes = (3 * width + 3) / 4 * 4;
  const std::uint32_t image_bytes = row_bytes * height;
  constexpr std::uint32_t kHeaderBytes = 14 + 40;

  std::string out;
  out.reserve(kHeaderBytes + image_bytes);
  out += "BM";
  PutLe(out, kHeaderBytes + image_bytes, 4);
  PutLe(out, 0, 4);  // reserved
  PutLe(out, kHeaderBytes, 4);
  PutLe(out, 40, 4);
  PutLe(out, width, 4);
  PutLe(out, height, 4);  // positive: bottom-up
  PutLe(out, 1, 2);       // planes
  PutLe(out, 24, 2);      // bits per pixel
  PutLe(out, 0, 4);       // no compression
  PutLe(out, image_bytes, 4);
  PutLe(out, 0, 4);  // horizontal resolution unknown
  PutLe(out, 0, 4);  // vertical resolution unknown
  PutLe(out, 0, 4);  // no palette
  PutLe(out, 0, 4);
  const std::string padding(row_bytes - 3 * width, '\0');
  for (int row = bitmap.Height() - 1; row >= 0; --row) {
    out.append(reinterpret_cast<const char*>(bitmap.Row(row)), 3 * width);
    out += padding;
  }
  return out;
}

Status SaveBmp24(const std::string& path, const Bitmap& bitmap) {
  return WriteFileAtomically(path, EncodeBmp24(bitmap));
}

}  // namespace pistora
