#include "image/artwork_loader.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstring>
#include <fstream>

#include "core/text/line_file.h"
#include "core/text/message_translation.h"
#include "core/text/quoted.h"
#include "image/picture_structure.h"
#include "image/bitmap_image.h"
#include "image/picture_resolution.h"

namespace pistora {

bool IsGifName(const std::string& path) {
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.find(".gif") != std::string::npos;
}

namespace {

// The size the file's header announces (a BMP's information header, a GIF's logical screen,
// which the decoded picture takes), read without the decoder: the decoder reports no size for a
// BMP it will not read, and for a GIF only the first frame's. Invalid for any other header.
QSize HeaderSize(std::string_view bytes, bool gif) {
  unsigned char h[26] = {};
  const std::size_t got = std::min(bytes.size(), sizeof h);
  std::memcpy(h, bytes.data(), got);
  const auto u16 = [&h](int i) { return static_cast<int>(h[i] | (h[i + 1] << 8)); };
  const auto u32 = [&h](int i) {
    return static_cast<std::uint32_t>(h[i]) | (static_cast<std::uint32_t>(h[i + 1]) << 8) |
           (static_cast<std::uint32_t>(h[i + 2]) << 16) | (static_cast<std::uint32_t>(h[i + 3]) << 24);
  };
  const auto side = [](std::int32_t v) {
    return static_cast<int>(std::min<std::int64_t>(v < 0 ? -static_cast<std::int64_t>(v) : v, INT_MAX));
  };
  if (gif) {
    if (got < 10 || std::memcmp(h, "GIF", 3) != 0) return QSize();
    return QSize(u16(6), u16(8));
  }
  if (got < 26 || h[0] != 'B' || h[1] != 'M') return QSize();
  if (u32(14) == 12) return QSize(u16(18), u16(20));  // the old 12-byte header
  return QSize(side(static_cast<std::int32_t>(u32(18))), side(static_cast<std::int32_t>(u32(22))));
}

Bitmap ToBlackAndWhite(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  Bitmap bitmap(argb.width(), argb.height(), kWhite);
  for (int row = 0; row < argb.height(); ++row) {
    const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(row));
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = line[x];
      const double brightness = 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
      const bool copper = qAlpha(p) >= 128 && brightness < 128.0;
      if (copper) bitmap.Set(x, row, kBlack);
    }
  }
  return bitmap;
}

}  // namespace

Status LoadArtwork(const std::string& path, Bitmap* bitmap) { return LoadArtwork(path, bitmap, nullptr); }

Status LoadArtwork(const std::string& path, Bitmap* bitmap, std::optional<StatedResolution>* resolution) {
  const QString name = QString::fromStdString(path);
  if (!QFileInfo::exists(name)) {
    return Status::Error(Fill(Tr("Le fichier %1 est introuvable."), {Quoted(path)}));
  }
  // The largest picture read (16384 x 16384 at 32 bits) with its headers.
  constexpr std::size_t kMaxPictureBytes = (std::size_t{1} << 30) + (std::size_t{1} << 20);
  std::string bytes;
  if (Status s = ReadFileBytes(path, &bytes, kMaxPictureBytes); !s) return s;
  // The content tells the type, whatever the name says.
  const PictureKind kind = PictureKindOf(bytes);
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  // Any other format a Qt image plugin recognises by its content (PNG, TIFF, JPEG, ...).
  const QByteArray other_format = kind == PictureKind::kUnknown ? QImageReader::imageFormat(&buffer) : QByteArray();
  if (kind == PictureKind::kUnknown && other_format.isEmpty()) {
    return Status::Error(
        Fill(Tr("L'image %1 ne peut pas être lue : %2"), {Quoted(path), CheckPictureStructure(bytes).message()}));
  }
  const bool gif = kind == PictureKind::kGif;
  const std::string format_name = kind == PictureKind::kUnknown ? other_format.toUpper().toStdString()
                                  : gif                         ? std::string("GIF")
                                                                : std::string("BMP");
  buffer.seek(0);
  QImageReader reader(&buffer, kind == PictureKind::kUnknown ? other_format : gif ? QByteArray("gif") : QByteArray("bmp"));
  reader.setDecideFormatFromContent(false);
  reader.setAutoTransform(false);
  // 20000 x 20000 pixels at 4 bytes each, with room to spare.
  QImageReader::setAllocationLimit(2048);
  QSize size = reader.size();
  const QSize announced = kind == PictureKind::kUnknown ? QSize() : HeaderSize(bytes, gif);
  if (!size.isValid()) {
    size = announced;
  } else if (announced.isValid()) {
    size = size.expandedTo(announced);
  }
  if (size.isValid() && (size.width() > kMaxImageSide || size.height() > kMaxImageSide)) {
    return Status::Error(Fill(Tr("L'image %1 mesure %2 x %3 pixels : au-delà de %4 pixels de côté, elle n'est "
                                 "pas acceptée."),
                              {Quoted(path), std::to_string(size.width()), std::to_string(size.height()),
                               std::to_string(kMaxImageSide)}));
  }
  // The decoder reads no picture of more pixels than 16384 x 16384 (it answers only "Unable to
  // read image data"): such a picture is refused here with its size, before any decoding.
  if (size.isValid() &&
      static_cast<long long>(size.width()) * size.height() > kMaxDecodedArtworkPixels) {
    return Status::Error(Fill(Tr("L'image %1 mesure %2 x %3 pixels : au-delà de %4 pixels (16384 x 16384), elle "
                                 "ne peut pas être lue."),
                              {Quoted(path), std::to_string(size.width()), std::to_string(size.height()),
                               std::to_string(kMaxDecodedArtworkPixels)}));
  }
  // A decoder reads a damaged picture's missing part as white (or copper): refused instead.
  // Other formats are checked by their own decoder, which refuses data cut short, but for JPEG,
  // whose decoder reads it as grey.
  if (Status s = kind != PictureKind::kUnknown ? CheckPictureStructure(bytes)
                 : other_format == "jpeg"      ? CheckJpegEnd(bytes)
                                               : Status::Ok();
      !s) {
    return Status::Error(Fill(Tr("L'image %1 (%2) est endommagée : %3"), {Quoted(path), format_name, s.message()}));
  }
  QImage image;
  if (!reader.read(&image) || image.isNull()) {
    return Status::Error(Fill(Tr("Impossible de lire l'image %1 (%2) : %3."),
                              {Quoted(path), format_name, reader.errorString().toStdString()}));
  }
  if (image.width() > kMaxImageSide || image.height() > kMaxImageSide) {
    return Status::Error(Fill(Tr("L'image %1 est trop grande (plus de %2 pixels de côté)."),
                              {Quoted(path), std::to_string(kMaxImageSide)}));
  }
  // Every format but GIF keeps its colours, as BMP does: only exact black and white take part,
  // grey and colour pixels are thresholded by the analysis.
  *bitmap = gif ? ToBlackAndWhite(image) : FromQImage(image);
  if (resolution) *resolution = ReadStatedResolution(bytes);
  return Status::Ok();
}

}  // namespace pistora
