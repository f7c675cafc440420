#include "core/machine/iso_box.h"

#include <cmath>
#include <string>

#include "core/text/numbers.h"

namespace pistora {

void OnEngravingLoaded(IsoBoxButtons& buttons) {
  buttons.placement = true;
  buttons.validate_z = false;
}

void OnPlacementDone(IsoBoxButtons& buttons) {
  buttons.validate_z = true;
  buttons.placement = false;
}

void OnZValidated(IsoBoxButtons& buttons) {
  buttons.validate_z = false;
  buttons.start = true;
}

void OnRunEnded(IsoBoxButtons& buttons) {
  buttons.start = false;
  buttons.validate_z = true;
}

std::optional<double> ParseTargetField(std::string_view text, char locale_separator) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  std::optional<double> value = ParseDecimal(text, '.');
  if (!value && locale_separator != '.') value = ParseDecimal(text, locale_separator);
  if (value && !std::isfinite(*value)) return std::nullopt;
  return value;
}

}  // namespace pistora
