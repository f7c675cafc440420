#include "core/machine/plate_placement.h"

#include <cmath>
#include <optional>
#include <string>

#include "core/machine/iso_box.h"

namespace pistora {

namespace {

// Read as the machine window's own target boxes are (regional separator, "." as well); a size
// is never negative.
std::optional<double> ParseSize(std::string_view text, char regional_separator) {
  std::optional<double> value = ParseTargetField(text, regional_separator);
  if (value && *value < 0) return std::nullopt;
  return value;
}

Status BadSize(const char* axis, std::string_view text) {
  return Status::Error("Taille du travail en " + std::string(axis) + " invalide : \"" + std::string(text) +
                       "\". Prévisualisation non redessinée.");
}

}  // namespace

Status ParseJobSize(std::string_view width_text, std::string_view height_text, char regional_separator,
                    JobSize* size) {
  const std::optional<double> width = ParseSize(width_text, regional_separator);
  if (!width) return BadSize("X", width_text);
  const std::optional<double> height = ParseSize(height_text, regional_separator);
  if (!height) return BadSize("Y", height_text);
  if (size != nullptr) *size = {*width, *height};
  return Status::Ok();
}

Status CheckPlateGeometry(const PlateGeometry& plate) {
  const bool sizes_ok = std::isfinite(plate.size_x) && std::isfinite(plate.size_y) && plate.size_x > 0 &&
                        plate.size_y > 0;
  const bool rest_ok = std::isfinite(plate.border_x) && std::isfinite(plate.border_y) &&
                       std::isfinite(plate.origin_x) && std::isfinite(plate.origin_y);
  if (sizes_ok && rest_ok) return Status::Ok();
  return Status::Error(
      "Dimensions de la plaque de cuivre invalides (cn.dat) : prévisualisation non redessinée.");
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

Status NewPlatePreview(const MachineParameters& parameters, std::string_view width_text,
                       std::string_view height_text, char regional_separator, PlatePreview* preview) {
  const PlateGeometry plate = PlateOf(parameters);
  if (Status checked = CheckPlateGeometry(plate); !checked) return checked;
  JobSize job;
  if (Status parsed = ParseJobSize(width_text, height_text, regional_separator, &job); !parsed) {
    return parsed;
  }
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
