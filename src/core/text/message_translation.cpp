#include "core/text/message_translation.h"

#include <memory>
#include <mutex>
#include <utility>

namespace pistora {
namespace {

// Shared so that a message built on another thread keeps the translator it started with.
std::mutex& TranslatorMutex() {
  static std::mutex mutex;
  return mutex;
}

std::shared_ptr<const MessageTranslator>& CurrentTranslator() {
  static std::shared_ptr<const MessageTranslator> translator;
  return translator;
}

}  // namespace

void SetMessageTranslator(MessageTranslator translator) {
  auto shared = translator ? std::make_shared<const MessageTranslator>(std::move(translator)) : nullptr;
  const std::lock_guard<std::mutex> lock(TranslatorMutex());
  CurrentTranslator() = std::move(shared);
}

std::string Tr(std::string_view french) {
  std::shared_ptr<const MessageTranslator> translator;
  {
    const std::lock_guard<std::mutex> lock(TranslatorMutex());
    translator = CurrentTranslator();
  }
  return translator ? (*translator)(french) : std::string(french);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(pattern.size() + 16 * values.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (index < values.size()) {
        out += *(values.begin() + index);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace pistora
