#include "gui/adapters/qt_host.h"

#include <QCoreApplication>
#include <QProgressBar>

#include "gui/main/tform1.h"

namespace pistora {

void QtHost::PumpEvents() { QCoreApplication::processEvents(); }

void QtHost::RefreshView(View view) {
  if (view == View::Artwork) {
    form_.ShowArtworkView();
  } else {
    form_.ShowEngravingView();
  }
}

void QtHost::ShowProgress(long value, long maximum) {
  // QProgressBar counts in int; bitmap heights stay far below its range.
  if (form_.Gauge1->maximum() != static_cast<int>(maximum)) form_.Gauge1->setMaximum(static_cast<int>(maximum));
  form_.Gauge1->setValue(static_cast<int>(value));
}

}  // namespace pistora
