#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace pistora {

// The core writes its messages in French (UTF-8). A program that shows them in another language
// sets a translator once: it gets the French pattern of a message ("cn.dat, ligne %1 : ...") and
// returns the pattern to show, or the same text when it has no translation. Values go into the
// translated pattern afterwards, so one translation serves every value.
using MessageTranslator = std::function<std::string(std::string_view french)>;

// Sets the translator (an empty one: French as written). Called from the window thread before
// messages are built; the motion thread only reads it.
void SetMessageTranslator(MessageTranslator translator);

// The pattern in the chosen language.
std::string Tr(std::string_view french);

// `pattern` with %1 to %9 replaced by the first to ninth of `values` (a number without a value
// stays as written; the values themselves are not searched), so that a translation may put the
// values in another order.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace pistora
