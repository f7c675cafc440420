#include "core/settings/loupe_settings.h"

#include <optional>

#include "core/text/line_file.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {
namespace {

// Default place of the enlarged picture inside the mask window.
constexpr int kPictureLeft = 55;
constexpr int kPictureTop = 27;

Status ReadBoundedLine(const std::vector<std::string>& lines, int line_number, int low, int high,
                       int* value) {
  const std::string line = std::to_string(line_number);
  if (lines.size() < static_cast<std::size_t>(line_number)) {
    return Status::Error(Fill(Tr("loupe.dat, ligne %1 : ligne manquante."), {line}));
  }
  const std::string& text = lines[static_cast<std::size_t>(line_number - 1)];
  const std::optional<std::int32_t> parsed = ParseInt32(text);
  if (!parsed) {
    return Status::Error(Fill(Tr("loupe.dat, ligne %1 : « %2 » n'est pas un nombre entier."), {line, text}));
  }
  if (*parsed < low || *parsed > high) {
    return Status::Error(Fill(Tr("loupe.dat, ligne %1 : %2 n'est pas entre %3 et %4."),
                              {line, std::to_string(*parsed), std::to_string(low), std::to_string(high)}));
  }
  *value = *parsed;
  return Status::Ok();
}

}  // namespace

std::vector<std::string> LoupeSettingsLines(const LoupeSettings& settings) {
  return {std::to_string(settings.SliderPosition), settings.ZoomText, std::to_string(settings.OffsetX),
          std::to_string(settings.OffsetY)};
}

Status LoupeSettingsFromLines(const std::vector<std::string>& lines, LoupeSettings* settings) {
  Status status = ReadBoundedLine(lines, 1, kLoupeMinPosition, kLoupeMaxPosition, &settings->SliderPosition);
  if (!status) return status;
  if (lines.size() < 2) return Status::Error(Fill(Tr("loupe.dat, ligne %1 : ligne manquante."), {"2"}));
  settings->ZoomText = lines[1];
  status = ReadBoundedLine(lines, 3, -kLoupeMaxOffset, kLoupeMaxOffset, &settings->OffsetX);
  if (!status) return status;
  return ReadBoundedLine(lines, 4, -kLoupeMaxOffset, kLoupeMaxOffset, &settings->OffsetY);
}

Status LoadLoupeSettings(const std::string& path, LoupeSettings* settings) {
  std::vector<std::string> lines;
  // Four short lines; anything larger than this is not a settings file.
  Status status = ReadLatin1Lines(path, &lines, 64u * 1024u);
  if (!status) return status;
  return LoupeSettingsFromLines(lines, settings);
}

Status SaveLoupeSettings(const std::string& path, const LoupeSettings& settings) {
  return WriteLatin1LinesAtomically(path, LoupeSettingsLines(settings));
}

int HalfSide(int position) { return 51 - position; }

int ZoomPercent(int position) {
  const int side = 2 * HalfSide(position);
  return side > 0 ? 10000 / side : 0;  // P is 1 to 50 in use; 0 guards a foreign slider value
}

std::string ZoomPercentText(int position) { return std::to_string(ZoomPercent(position)); }

LoupePoint PictureOrigin(int offset_x, int offset_y) {
  return {kPictureLeft + offset_x, kPictureTop + offset_y};
}

LoupePoint ClientPointFromScreen(int screen_x, int screen_y, int client_left, int client_top) {
  return {screen_x - client_left, screen_y - client_top};
}

LoupeSquare SourceSquare(LoupePoint client, int half_side) {
  return {client.x - half_side, client.y - half_side, 2 * half_side, 2 * half_side};
}

}  // namespace pistora
