#include "cli/analysis_pipeline.h"

#include <cmath>
#include <utility>

#include "core/host/host.h"
#include "image/artwork_loader.h"

namespace pistora::cli {

Status AnalyseArtworkFile(const std::string& artwork, const ExtractionSettings& settings, double pixel_mm,
                          Workspace* ws, double threshold_percent, std::string* notice) {
  if (settings.hole_size < kMinHoleSize || settings.hole_size > kMaxHoleSize) {
    return Status::Error("taille des trous de perçage " + std::to_string(settings.hole_size) + " hors de " +
                         std::to_string(kMinHoleSize) + " à " + std::to_string(kMaxHoleSize));
  }
  if (settings.pad_points < kMinPadPoints || settings.pad_points > kMaxPadPoints) {
    return Status::Error("nombre de points par pastille " + std::to_string(settings.pad_points) + " hors de " +
                         std::to_string(kMinPadPoints) + " à " + std::to_string(kMaxPadPoints));
  }
  if (!std::isfinite(pixel_mm) || pixel_mm <= 0.0) {
    return Status::Error("la taille d'un pixel doit être un nombre positif");
  }
  Workspace result;
  if (Status s = LoadArtwork(artwork, &result.ArtworkBitmap); !s) return s;
  if (const long others = ThresholdArtwork(result.ArtworkBitmap, threshold_percent); others > 0 && notice) {
    *notice = ThresholdNotice(artwork, others, threshold_percent);
  }
  if (!HasCopper(result.ArtworkBitmap)) {
    return Status::Error(NoCopperMessage(artwork));
  }
  result.EngravingBitmap = Bitmap(result.ArtworkBitmap.Width(), result.ArtworkBitmap.Height(), kWhite);
  NullHost host;
  ExtractContours(result, host, settings);
  result.PixelSizeMm = pixel_mm;
  *ws = std::move(result);
  return Status::Ok();
}

}  // namespace pistora::cli
