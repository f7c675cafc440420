// Files as a desktop program opens them: named on the command line, dropped on the window, or
// taken again from the files opened lately.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>

#include "gui/adapters/translations.h"
#include "gui/main/file_history.h"
#include "gui/main/main_window.h"

namespace pistora {
namespace {

bool IsEngravingFileName(const QString& path) { return path.endsWith(QStringLiteral(".grv"), Qt::CaseInsensitive); }

// The first local file of a drop, or an empty string.
QString DroppedFile(const QMimeData* data) {
  if (data == nullptr) return QString();
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return QString();
}

}  // namespace

void MainWindow::OpenFile(const QString& path) {
  if (IsEngravingFileName(path)) {
    LoadEngravingFileFrom(path);
  } else {
    LoadArtworkFrom(path);
  }
}

void MainWindow::FillRecentFilesMenu() {
  recent_files_menu_->clear();
  const QStringList recent = RecentFiles();
  if (recent.isEmpty()) {
    recent_files_menu_->addAction(TrMessage("(aucun fichier récent)"))->setEnabled(false);
    return;
  }
  for (const QString& path : recent) {
    QAction* action = recent_files_menu_->addAction(QFileInfo(path).fileName());
    action->setToolTip(path);
    action->setStatusTip(path);
    connect(action, &QAction::triggered, this, [this, path] { OpenFile(path); });
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!busy_ && !DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  OpenFile(path);
}

}  // namespace pistora
