#pragma once

#include <string_view>

namespace pistora {

// Key modes of numeric edit boxes.
enum class KeyMode {
  UnsignedInteger = 0,  // backspace, Enter, digits
  SignedInteger = 1,    // ... and "-" with the caret at the start
  UnsignedDecimal = 2,  // ... digits and one decimal separator
  SignedDecimal = 3,    // ... one separator and one "-" with the caret at the start
};

inline constexpr char32_t kKeyBackspace = 8;
inline constexpr char32_t kKeyEnter = 13;
inline constexpr char32_t kKeySwallowed = 0;

// The key filter of numeric edit boxes: returns the key to let through, or kKeySwallowed.
//  - plain_edit: the box is a plain single-line edit; any other control swallows every key;
//  - text: the box's current text (UTF-8); caret: the selection start, in characters;
//  - separator: the regional decimal separator at the time of the key press.
// A "-" passes only with the caret at 0 and no "-" in the text; the separator only once.
char32_t NumericKeyFilter(bool plain_edit, char32_t key, KeyMode mode, std::string_view text, int caret,
                          char32_t separator);

}  // namespace pistora
