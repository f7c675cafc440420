#include "cli/analysis_pipeline.h"

#include <cmath>
#include <utility>

#include "core/host/host.h"
#include "image/artwork_loader.h"

namespace pistora::cli {

namespace {

Status CheckAnalysisSettings(const ExtractionSettings& settings, double pixel_mm) {
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
  return Status::Ok();
}

}  // namespace

Status AnalyseArtworkFile(const std::string& artwork, const ExtractionSettings& settings, double pixel_mm,
                          Workspace* ws, double threshold_percent, std::string* notice) {
  if (Status s = CheckAnalysisSettings(settings, pixel_mm); !s) return s;
  Bitmap picture;
  if (Status s = LoadArtwork(artwork, &picture); !s) return s;
  return AnalyseArtworkBitmap(std::move(picture), artwork, settings, pixel_mm, ws, threshold_percent, notice);
}

Status AnalyseArtworkBitmap(Bitmap artwork_bitmap, const std::string& artwork, const ExtractionSettings& settings,
                            double pixel_mm, Workspace* ws, double threshold_percent, std::string* notice) {
  if (Status s = CheckAnalysisSettings(settings, pixel_mm); !s) return s;
  Workspace result;
  result.ArtworkBitmap = std::move(artwork_bitmap);
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
