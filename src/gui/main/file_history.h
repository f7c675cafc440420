#pragma once

#include <QString>
#include <QStringList>

namespace pistora {

// What the file dialogs remember between runs, in the user's settings (group "fichiers"):
// the last folder of each kind of file and the files opened lately, most recent first.
enum class FileKind { kArtwork, kEngravingFile, kProgram };

// The folder a dialog for `kind` opens in: the last one used for it, else `fallback` (the
// user's home when empty).
QString LastFolder(FileKind kind, const QString& fallback = QString());
// Remembers the folder of `path` for `kind`.
void RememberFolder(FileKind kind, const QString& path);

inline constexpr int kRecentFileLimit = 8;
// The artworks and engraving files opened lately that still exist, most recent first.
QStringList RecentFiles();
// Puts `path` first in the list.
void RememberRecentFile(const QString& path);

// The filter of the artwork dialog: one entry for every picture format Qt reads here, then all
// files. The one place that lists the artwork types.
QString ArtworkFilter();

}  // namespace pistora
