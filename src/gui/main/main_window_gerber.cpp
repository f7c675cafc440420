// The Gerber road of the main window: a copper layer rendered at a known scale, its drill file
// and its face.
#include <QCheckBox>
#include <QLineEdit>
#include <QStringList>

#include "core/job/drill_placement.h"
#include "core/job/excellon.h"
#include "gui/adapters/prompts.h"
#include "gui/adapters/translations.h"
#include "gui/main/main_window.h"
#include "image/gerber_picture.h"

namespace pistora {

namespace {

const char kDrillFileFilter[] =
    "Perçage Excellon (*.drl *.xln *.exc *.drd *.txt)|*.drl|Tous les fichiers (*)|*";

}  // namespace

void MainWindow::ChooseGerberDrillFile() {
  const QString path = prompts_.OpenFileName(QString(), QtFilterFromPairs(TrMessage(kDrillFileFilter)));
  if (!path.isEmpty()) gerber_drill_edit_->setText(path);
}

Status MainWindow::LoadGerberLayer(const std::string& path, Bitmap* artwork, PictureFrame* frame,
                                   std::vector<DrillHole>* holes) {
  DrillFile drills;
  const std::string drill_path = gerber_drill_edit_->text().trimmed().toStdString();
  if (!drill_path.empty()) {
    if (Status s = ReadDrillFile(drill_path, &drills); !s) return s;
  }
  GerberRequest request;
  request.gerber_path = path;
  request.mirror = gerber_mirror_check_->isChecked();
  request.holes = drills.holes;
  // The window stays alive while gerbv draws; STOP ends the drawing.
  request.while_waiting = [this] {
    host_.PumpEvents();
    return !work_.StopRequest;
  };
  GerberPicture picture;
  if (Status s = RenderGerber(request, &picture); !s) return s;
  OpenDrillHoles(picture.bitmap, drills.holes, picture.frame);
  *artwork = std::move(picture.bitmap);
  *frame = picture.frame;
  *holes = std::move(drills.holes);
  if (!drills.notices.empty()) {
    QStringList lines;
    for (const std::string& line : drills.notices) lines << QString::fromStdString(line);
    prompts_.ShowInfo(lines.join(QLatin1Char('\n')));
  }
  return Status::Ok();
}

void MainWindow::PlaceGerberHoles() {
  if (gerber_holes_.empty()) return;
  DrillPlacement placement;
  if (Status s = PlaceDrillHoles(work_, gerber_holes_, gerber_frame_, &placement); !s) {
    prompts_.ShowError(QString::fromStdString(s.message()));
    return;
  }
  if (!placement.notices.empty()) {
    QStringList lines;
    for (const std::string& line : placement.notices) lines << QString::fromStdString(line);
    prompts_.ShowInfo(lines.join(QLatin1Char('\n')));
  }
}

}  // namespace pistora
