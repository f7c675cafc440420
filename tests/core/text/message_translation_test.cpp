#include "core/text/message_translation.h"

#include <gtest/gtest.h>

#include <map>

namespace pistora {
namespace {

TEST(Fill, PutsEachValueAtItsNumber) {
  struct Case {
    const char* pattern;
    std::initializer_list<std::string_view> values;
    const char* expected;
  };
  const Case cases[] = {
      {"Fichier introuvable : %1", {"a.iso"}, "Fichier introuvable : a.iso"},
      {"%2 before %1", {"one", "two"}, "two before one"},                  // a translation may reorder
      {"%1 and %1", {"x"}, "x and x"},
      {"zoom 100 %, %1", {"ok"}, "zoom 100 %, ok"},                        // a lone % stays
      {"%1 %3", {"a", "b"}, "a %3"},                                        // no third value: left as written
      {"%1", {"%2 in a value"}, "%2 in a value"},                          // values are not searched
      {"line %1%2", {"12", "0"}, "line 120"},
      {"%9", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}, "nine"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(Fill(c.pattern, c.values), c.expected);
  }
}

TEST(Tr, GoesThroughTheTranslatorSetAndBackToFrench) {
  const std::map<std::string, std::string, std::less<>> english = {{"Fichier introuvable : %1", "File not found: %1"}};
  EXPECT_EQ(Tr("Fichier introuvable : %1"), "Fichier introuvable : %1");
  SetMessageTranslator([&](std::string_view french) {
    const auto it = english.find(french);
    return it == english.end() ? std::string(french) : it->second;
  });
  EXPECT_EQ(Fill(Tr("Fichier introuvable : %1"), {"a.iso"}), "File not found: a.iso");
  EXPECT_EQ(Tr("Pas traduit"), "Pas traduit");
  SetMessageTranslator({});
  EXPECT_EQ(Tr("Fichier introuvable : %1"), "Fichier introuvable : %1");
}

}  // namespace
}  // namespace pistora
