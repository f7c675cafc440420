#include "image/artwork_loader.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cctype>

#include "image/bitmap_image.h"

namespace pistora {

bool IsGifName(const std::string& path) {
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.find(".gif") != std::string::npos;
}

namespace {

std::string Quoted(const std::string& path) { return "\xC2\xAB " + path + " \xC2\xBB"; }

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

Status LoadArtwork(const std::string& path, Bitmap* bitmap) {
  const QString name = QString::fromStdString(path);
  if (!QFileInfo::exists(name)) {
    return Status::Error("Le fichier " + Quoted(path) + " est introuvable.");
  }
  const bool gif = IsGifName(path);
  QImageReader reader(name, gif ? QByteArray("gif") : QByteArray("bmp"));
  reader.setDecideFormatFromContent(false);
  reader.setAutoTransform(false);
  // 20000 x 20000 pixels at 4 bytes each, with room to spare.
  QImageReader::setAllocationLimit(2048);
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > kMaxImageSide || size.height() > kMaxImageSide)) {
    return Status::Error("L'image " + Quoted(path) + " mesure " + std::to_string(size.width()) + " x " +
                         std::to_string(size.height()) + " pixels : au-delà de " +
                         std::to_string(kMaxImageSide) + " pixels de côté, elle n'est pas acceptée.");
  }
  QImage image;
  if (!reader.read(&image) || image.isNull()) {
    return Status::Error("Impossible de lire l'image " + Quoted(path) + " (" +
                         std::string(gif ? "GIF" : "BMP") + ") : " + reader.errorString().toStdString() + ".");
  }
  if (image.width() > kMaxImageSide || image.height() > kMaxImageSide) {
    return Status::Error("L'image " + Quoted(path) + " est trop grande (plus de " +
                         std::to_string(kMaxImageSide) + " pixels de côté).");
  }
  *bitmap = gif ? ToBlackAndWhite(image) : FromQImage(image);
  return Status::Ok();
}

}  // namespace pistora
