#include "core/settings/numeric_key_filter.h"

namespace pistora {
namespace {

bool Contains(std::string_view text, char32_t c) {
  // Separators and "-" are ASCII; a non-ASCII separator is compared as its UTF-8 bytes.
  if (c < 0x80) return text.find(static_cast<char>(c)) != std::string_view::npos;
  char utf8[4];
  int n = 0;
  if (c < 0x800) {
    utf8[n++] = static_cast<char>(0xC0 | (c >> 6));
    utf8[n++] = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    utf8[n++] = static_cast<char>(0xE0 | (c >> 12));
    utf8[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    utf8[n++] = static_cast<char>(0x80 | (c & 0x3F));
  }
  return text.find(std::string_view(utf8, static_cast<std::size_t>(n))) != std::string_view::npos;
}

}  // namespace

char32_t NumericKeyFilter(bool plain_edit, char32_t key, KeyMode mode, std::string_view text, int caret,
                          char32_t separator) {
  if (!plain_edit) return kKeySwallowed;
  if (key == kKeyBackspace || key == kKeyEnter || (key >= U'0' && key <= U'9')) return key;
  const bool decimal = mode == KeyMode::UnsignedDecimal || mode == KeyMode::SignedDecimal;
  const bool is_signed = mode == KeyMode::SignedInteger || mode == KeyMode::SignedDecimal;
  if (decimal && key == separator) return Contains(text, separator) ? kKeySwallowed : key;
  if (is_signed && key == U'-') {
    if (caret != 0) return kKeySwallowed;
    if (mode == KeyMode::SignedDecimal && Contains(text, U'-')) return kKeySwallowed;
    return key;
  }
  return kKeySwallowed;
}

}  // namespace pistora
