// .lng: a language file, read when a language is chosen; its first line names it in the list.
#include <cstdlib>
#include <string_view>

#include "core/settings/language_file.h"
#include "fuzz_input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pistora;
  const std::string& path = fuzz::WriteInputFile(data, size, ".lng");
  LanguageText text;
  if (LoadLanguageFile(path, &text)) {
    std::size_t total = 0;
    ForEachCaption(text, [&total](const CaptionTarget&, const std::string& caption) { total += caption.size(); });
    if (total > 2 * kLanguageFileReadLimit * 4) std::abort();  // captions come from the bytes read
    const std::string entry = LanguageEntry("x.lng", text.Name());
    std::string name;
    if (!LanguageFileNameOfEntry(entry, &name) || name != "x.lng") std::abort();
  }
  // The same bytes taken as a language list entry.
  std::string name;
  (void)LanguageFileNameOfEntry(std::string_view(reinterpret_cast<const char*>(data), size), &name);
  return 0;
}
