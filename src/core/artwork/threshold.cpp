#include "core/artwork/threshold.h"

#include "core/text/message_translation.h"
#include "core/text/numbers.h"
#include "core/text/quoted.h"

namespace pistora {

long ThresholdArtwork(Bitmap& bitmap, double percent) {
  long others = 0;
  for (int row = 0; row < bitmap.Height(); ++row) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const Rgb c = bitmap.At(x, row);
      if (c != kBlack && c != kWhite) ++others;
    }
  }
  if (others == 0) return 0;
  const double limit = percent / 100.0 * 255.0;
  for (int row = 0; row < bitmap.Height(); ++row) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const Rgb c = bitmap.At(x, row);
      const double brightness = 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
      bitmap.Set(x, row, brightness < limit ? kBlack : kWhite);
    }
  }
  return others;
}

bool HasCopper(const Bitmap& bitmap) {
  for (int row = 0; row < bitmap.Height(); ++row) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (bitmap.Is(x, row, kBlack)) return true;
    }
  }
  return false;
}

std::string ThresholdNotice(const std::string& name, long others, double percent) {
  return Fill(Tr("L'image %1 a %2 pixels ni noirs ni blancs : elle est passée en noir et blanc au seuil de %3 % de "
                 "luminosité."),
              {Quoted(name), std::to_string(others), FormatGeneral(percent, '.')});
}

std::string NoCopperMessage(const std::string& name) {
  return Fill(Tr("L'image %1 ne contient aucun cuivre (aucun pixel noir) : rien à graver, aucun fichier n'est écrit."),
              {Quoted(name)});
}

}  // namespace pistora
