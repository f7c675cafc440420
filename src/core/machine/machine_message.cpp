#include "core/machine/machine_message.h"

#include <string_view>

#include "core/machine/homing.h"
#include "core/machine/iso_program.h"
#include "core/machine/motion_engine.h"
#include "core/text/message_translation.h"

namespace pistora {

std::string TranslatedMachineMessage(const std::string& text) {
  if (text.empty()) return text;
  std::string whole = Tr(text);
  if (whole != text) return whole;
  for (const char* start : {kLimitStopMessage, kPortLostMessage, kTowardLimitMessage, kSeekGaveUpMessage, kRunPrefix,
                            kAnalysePrefix, kPortNotePrefix}) {
    if (text.starts_with(start)) return Tr(start) + text.substr(std::string_view(start).size());
  }
  return whole;
}

}  // namespace pistora
