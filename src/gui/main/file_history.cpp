#include "gui/main/file_history.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSettings>
#include <string>
#include <vector>

#include "core/job/file_names.h"
#include "gui/adapters/translations.h"
#include "gui/app/user_settings.h"

namespace pistora {
namespace {

QString FolderKey(FileKind kind) {
  switch (kind) {
    case FileKind::kArtwork: return QStringLiteral("fichiers/dossier_typons");
    case FileKind::kEngravingFile: return QStringLiteral("fichiers/dossier_gravures");
    case FileKind::kProgram: return QStringLiteral("fichiers/dossier_programmes");
  }
  return QString();
}

const QString kRecentKey = QStringLiteral("fichiers/recents");

}  // namespace

QString LastFolder(FileKind kind, const QString& fallback) {
  const QString folder = UserSettings().value(FolderKey(kind)).toString();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  return fallback.isEmpty() ? QDir::homePath() : fallback;
}

void RememberFolder(FileKind kind, const QString& path) {
  UserSettings().setValue(FolderKey(kind), QFileInfo(path).absolutePath());
}

QStringList RecentFiles() {
  QStringList existing;
  for (const QString& path : UserSettings().value(kRecentKey).toStringList()) {
    if (QFileInfo(path).isFile()) existing << path;
  }
  return existing;
}

void RememberRecentFile(const QString& path) {
  std::vector<std::string> recent;
  for (const QString& entry : UserSettings().value(kRecentKey).toStringList()) recent.push_back(entry.toStdString());
  QStringList kept;
  for (const std::string& entry :
       WithRecentFile(recent, QFileInfo(path).absoluteFilePath().toStdString(), kRecentFileLimit)) {
    kept << QString::fromStdString(entry);
  }
  UserSettings().setValue(kRecentKey, kept);
}

QString ArtworkFilter() {
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats()) {
    patterns << QStringLiteral("*.") + QString::fromLatin1(format);
  }
  // Gerber copper layers are drawn by gerbv, then go the pictures' way.
  const QString gerber = QStringLiteral("*.gbr *.gtl *.gbl *.ger *.art *.pho");
  return TrMessage("Typons (%1);;Typons Gerber (%2);;Tous les fichiers (*)")
      .arg(patterns.join(u' ') + u' ' + gerber, gerber);
}

}  // namespace pistora
