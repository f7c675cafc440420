// Artwork pictures (BMP, GIF): decoding, then the analysis of the copper, on small pictures.
#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <cstdlib>
#include <cstring>

#include "core/artwork/extraction.h"
#include "fuzz_input_file.h"
#include "image/artwork_loader.h"
#include "image/picture_structure.h"

namespace {

// Pictures up to this side are analysed here; the size rule of the loader itself is tested
// elsewhere (a 20000-pixel side is 1.2 GB).
constexpr int kFuzzMaxSide = 256;

// Pictures that decode to more are not handed to the loader. The header alone does not
// tell: a GIF's screen may be far larger than the image it announces first. Decoding here
// under a small allocation limit refuses a large picture before its pixels are allocated.
bool SmallPicture(const std::uint8_t* data, std::size_t size, bool gif) {
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, gif ? QByteArray("gif") : QByteArray("bmp"));
  reader.setDecideFormatFromContent(false);
  const int saved_limit = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(1);  // MB: 256 x 256 x 4 bytes fit
  QImage image;
  const bool read = reader.read(&image);
  QImageReader::setAllocationLimit(saved_limit);
  return read && !image.isNull() && image.width() <= kFuzzMaxSide && image.height() <= kFuzzMaxSide;
}

class CountingHost final : public pistora::Host {
 public:
  void PumpEvents() override { ++pumps; }
  long pumps = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pistora;
  // The structure check reads every input, whatever its size announces.
  (void)CheckPictureStructure(std::string_view(reinterpret_cast<const char*>(data), size));
  const bool gif = size >= 3 && std::memcmp(data, "GIF", 3) == 0;
  if (!SmallPicture(data, size, gif)) return 0;
  const std::string& path = fuzz::WriteInputFile(data, size, gif ? ".gif" : ".bmp");
  Bitmap bitmap;
  if (!LoadArtwork(path, &bitmap)) return 0;
  if (bitmap.Width() > kFuzzMaxSide || bitmap.Height() > kFuzzMaxSide) return 0;
  Workspace ws;
  ws.ArtworkBitmap = std::move(bitmap);
  CountingHost host;
  ExtractionSettings settings;
  settings.hole_size = static_cast<int>(data[size - 1] % (kMaxHoleSize + 1));
  if (ExtractContours(ws, host, settings) != RunOutcome::Completed) std::abort();
  if (ws.EngravingBitmap.Width() != ws.ArtworkBitmap.Width() ||
      ws.EngravingBitmap.Height() != ws.ArtworkBitmap.Height()) {
    std::abort();
  }
  return 0;
}
