#include "core/settings/numeric_key_filter.h"

#include <gtest/gtest.h>

namespace pistora {
namespace {

struct KeyCase {
  const char* name;
  KeyMode mode;
  char32_t key;
  const char* text;
  int caret;
  char32_t separator;
  bool passes;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class NumericKeyFilterTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NumericKeyFilterTest, LetsThroughOrSwallows) {
  const KeyCase& c = GetParam();
  const char32_t result = NumericKeyFilter(true, c.key, c.mode, c.text, c.caret, c.separator);
  EXPECT_EQ(result, c.passes ? c.key : kKeySwallowed);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, NumericKeyFilterTest,
    ::testing::Values(
        KeyCase{"DigitInMode0", KeyMode::UnsignedInteger, U'7', "", 0, U'.', true},
        KeyCase{"BackspaceAlways", KeyMode::UnsignedInteger, kKeyBackspace, "1.", 2, U'.', true},
        KeyCase{"EnterAlways", KeyMode::SignedDecimal, kKeyEnter, "-1.5", 4, U'.', true},
        KeyCase{"SeparatorSwallowedInMode0", KeyMode::UnsignedInteger, U'.', "1", 1, U'.', false},
        KeyCase{"LetterSwallowed", KeyMode::UnsignedDecimal, U'a', "", 0, U'.', false},
        KeyCase{"MinusSwallowedInMode0", KeyMode::UnsignedInteger, U'-', "", 0, U'.', false},
        KeyCase{"MinusSwallowedInMode2", KeyMode::UnsignedDecimal, U'-', "", 0, U'.', false},
        KeyCase{"FirstSeparatorMode2", KeyMode::UnsignedDecimal, U'.', "0", 1, U'.', true},
        KeyCase{"SecondSeparatorMode2", KeyMode::UnsignedDecimal, U'.', "0.2", 3, U'.', false},
        KeyCase{"CommaLocaleAcceptsComma", KeyMode::UnsignedDecimal, U',', "0", 1, U',', true},
        KeyCase{"CommaLocaleRefusesPoint", KeyMode::UnsignedDecimal, U'.', "0", 1, U',', false},
        KeyCase{"MinusAtStartMode1", KeyMode::SignedInteger, U'-', "12", 0, U'.', true},
        KeyCase{"MinusAfterDigitMode1", KeyMode::SignedInteger, U'-', "12", 1, U'.', false},
        KeyCase{"MinusAtStartMode3", KeyMode::SignedDecimal, U'-', "1.5", 0, U'.', true},
        KeyCase{"SecondMinusMode3", KeyMode::SignedDecimal, U'-', "-1.5", 0, U'.', false},
        KeyCase{"MinusAfterDigitMode3", KeyMode::SignedDecimal, U'-', "1", 1, U'.', false},
        KeyCase{"SecondSeparatorMode3", KeyMode::SignedDecimal, U'.', "-1.5", 4, U'.', false}),
    [](const ::testing::TestParamInfo<KeyCase>& row) { return std::string(row.param.name); });

TEST(NumericKeyFilter, OtherControlsSwallowEveryKey) {
  EXPECT_EQ(NumericKeyFilter(false, U'5', KeyMode::UnsignedInteger, "", 0, U'.'), kKeySwallowed);
  EXPECT_EQ(NumericKeyFilter(false, kKeyBackspace, KeyMode::UnsignedInteger, "", 0, U'.'), kKeySwallowed);
}

}  // namespace
}  // namespace pistora
