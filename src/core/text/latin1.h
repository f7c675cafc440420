#pragma once

#include <string>
#include <string_view>

namespace pistora {

// The program's files are single-byte Windows Latin-1; the program itself works in UTF-8.
// Every one of the 256 bytes maps to one code point, so a Latin-1 text survives a round trip.
std::string Latin1ToUtf8(std::string_view latin1);

// Code points above U+00FF (and malformed UTF-8 bytes) become '?'.
std::string Utf8ToLatin1(std::string_view utf8);

}  // namespace pistora
