#include "gui/viewers/loupe_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <vector>

#include "core/settings/loupe_outline.h"
#include "gui/adapters/settings_files.h"
#include "gui/adapters/translations.h"

namespace pistora {
namespace {

// A window shape larger than a big screen is no magnifier picture.
constexpr qint64 kMaxPicturePixels = 4096 * 4096;

}  // namespace

QString LoupeSettingsPath() { return LoupeSettingsReadPath(); }

QString LoupePicturePath(const QString& name) {
  const QString here = QDir::current().filePath(name);
  if (QFileInfo::exists(here)) return here;
  const QString beside = QDir(ProgramFilesFolder("pictures", name.toLatin1().constData())).filePath(name);
  return QFileInfo::exists(beside) ? beside : here;
}

bool LoadShapedPicture(const QString& name, bool black_see_through, ShapedPicture* shaped, QString* error) {
  const QString path = LoupePicturePath(name);
  QImage image;
  if (!QFileInfo(path).isFile() || !image.load(path, "BMP")) {
    *error = TrMessage("Impossible de charger l'image « %1 » de la loupe : fichier absent ou illisible.").arg(path);
    return false;
  }
  if (static_cast<qint64>(image.width()) * image.height() > kMaxPicturePixels) {
    *error = TrMessage("L'image « %1 » de la loupe est trop grande (%2 x %3 pixels).")
                 .arg(path)
                 .arg(image.width())
                 .arg(image.height());
    return false;
  }
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(rgb.width()) * static_cast<std::size_t>(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    pixels.insert(pixels.end(), row, row + rgb.width());
  }
  // The rectangles come row by row, left to right, without overlap: the order a region is built
  // from in one step (adding them one by one costs the square of their number).
  std::vector<QRect> rects;
  for (const OutlineRect& r : OutlineOfPicture(pixels, rgb.width(), rgb.height(), black_see_through)) {
    rects.emplace_back(r.left, r.top, r.width, r.height);
  }
  QRegion outline;
  outline.setRects(rects.data(), static_cast<int>(rects.size()));
  if (outline.isEmpty()) {
    *error = TrMessage("L'image « %1 » de la loupe est entièrement rouge : la fenêtre n'aurait aucune surface.")
                 .arg(path);
    return false;
  }
  shaped->picture = rgb.convertToFormat(QImage::Format_RGB888);
  shaped->outline = outline;
  return true;
}

bool ReadLoupeSettingsFile(LoupeSettings* settings, QString* error) {
  const QString path = LoupeSettingsPath();
  if (!QFileInfo::exists(path)) return true;
  const Status status = LoadLoupeSettings(path.toStdString(), settings);
  if (!status) *error = QString::fromStdString(status.message());
  return status.ok();
}

}  // namespace pistora
