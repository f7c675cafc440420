#include "gui/viewers/loupe_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtDebug>
#include <vector>

#include "core/settings/loupe_outline.h"
#include "gui/adapters/prompts.h"
#include "gui/app/app_windows.h"
#include "gui/main/tform1.h"

namespace pistora {

QString LoupeSettingsPath() { return QDir::current().filePath(QString::fromLatin1(kLoupeSettingsFileName)); }

QString LoupePicturePath(const QString& name) {
  const QString here = QDir::current().filePath(name);
  if (QFileInfo::exists(here)) return here;
  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
  return QFileInfo::exists(beside) ? beside : here;
}

bool LoadShapedPicture(const QString& name, bool black_see_through, ShapedPicture* shaped, QString* error) {
  const QString path = LoupePicturePath(name);
  QImage image;
  if (!QFileInfo(path).isFile() || !image.load(path, "BMP")) {
    *error = QStringLiteral("Impossible de charger l'image « %1 » de la loupe : fichier absent ou illisible.").arg(path);
    return false;
  }
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(rgb.width()) * static_cast<std::size_t>(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    pixels.insert(pixels.end(), row, row + rgb.width());
  }
  QRegion outline;
  for (const OutlineRect& r : OutlineOfPicture(pixels, rgb.width(), rgb.height(), black_see_through)) {
    outline += QRect(r.left, r.top, r.width, r.height);
  }
  if (outline.isEmpty()) {
    *error = QStringLiteral("L'image « %1 » de la loupe est entièrement rouge : la fenêtre n'aurait aucune surface.")
                 .arg(path);
    return false;
  }
  shaped->picture = rgb.convertToFormat(QImage::Format_RGB888);
  shaped->outline = outline;
  return true;
}

void ReportLoupeError(const QString& text) {
  if (TForm1* main = Windows().Form1) {
    main->UiPrompts().ShowError(text);
  } else {
    qWarning().noquote() << text;
  }
}

bool ReadLoupeSettingsFile(LoupeSettings* settings, QString* error) {
  const QString path = LoupeSettingsPath();
  if (!QFileInfo::exists(path)) return true;
  const Status status = LoadLoupeSettings(path.toStdString(), settings);
  if (!status) *error = QString::fromStdString(status.message());
  return status.ok();
}

}  // namespace pistora
