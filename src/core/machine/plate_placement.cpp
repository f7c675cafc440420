#include "core/machine/plate_placement.h"

#include <cmath>
#include <optional>
#include <string>

#include "core/machine/iso_box.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {

namespace {

// A job size is a number, never negative.
Status CheckSize(const char* axis, double mm) {
  if (std::isfinite(mm) && mm >= 0) return Status::Ok();
  return Status::Error(
      Fill(Tr("Taille du travail en %1 invalide : \"%2\". Prévisualisation non redessinée."),
           {axis, FormatGeneral(mm)}));
}

}  // namespace

Status CheckPlateGeometry(const PlateGeometry& plate) {
  const bool sizes_ok = std::isfinite(plate.size_x) && std::isfinite(plate.size_y) && plate.size_x > 0 &&
                        plate.size_y > 0;
  const bool rest_ok = std::isfinite(plate.border_x) && std::isfinite(plate.border_y) &&
                       std::isfinite(plate.origin_x) && std::isfinite(plate.origin_y);
  if (sizes_ok && rest_ok) return Status::Ok();
  return Status::Error(
      Tr("Dimensions de la plaque de cuivre invalides (cn.dat) : prévisualisation non redessinée."));
}

PlateGeometry PlateOf(const MachineParameters& parameters) {
  PlateGeometry plate;
  plate.size_x = parameters.PlateSizeX;
  plate.size_y = parameters.PlateSizeY;
  plate.border_x = parameters.PlateBorderX;
  plate.border_y = parameters.PlateBorderY;
  plate.origin_x = parameters.PlateOriginX;
  plate.origin_y = parameters.PlateOriginY;
  return plate;
}

Status NewPlatePreview(const MachineParameters& parameters, const JobSize& job, PlatePreview* preview) {
  const PlateGeometry plate = PlateOf(parameters);
  if (Status checked = CheckPlateGeometry(plate); !checked) return checked;
  if (Status checked = CheckSize("X", job.width_mm); !checked) return checked;
  if (Status checked = CheckSize("Y", job.height_mm); !checked) return checked;
  if (preview != nullptr) {
    PlatePreview fresh(plate, preview->Width(), preview->Height());
    fresh.Reset(job.width_mm, job.height_mm);
    *preview = fresh;
  }
  return Status::Ok();
}

PlacementOutcome PlaceSpindle(const ToolPosition& target, SetupMotion& motion,
                              const std::function<void()>& accepted, Status* status) {
  if (motion.Busy()) {
    if (status != nullptr) *status = Status::Error(kPlacementBusyMessage);
    return PlacementOutcome::kRefused;
  }
  if (accepted) accepted();
  motion.HomeMachine();
  // After STOP the move returns at once; the zeroing still runs so the window closes with the
  // work zero where the machine stands, as the user saw it.
  motion.MoveTo(target.x, target.y, target.z);
  motion.ZeroAxisX();
  motion.ZeroAxisY();
  motion.ZeroAxisZ();
  if (status != nullptr) *status = Status::Ok();
  return motion.StopLatched() ? PlacementOutcome::kStopped : PlacementOutcome::kPlaced;
}

}  // namespace pistora
