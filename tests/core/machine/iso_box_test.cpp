#include "core/machine/iso_box.h"

#include <gtest/gtest.h>

namespace pistora {
namespace {

TEST(IsoBoxTest, TheButtonsFollowTheUsersCycle) {
  IsoBoxButtons b;
  EXPECT_EQ(b, (IsoBoxButtons{true, true, false, false, false}));
  OnEngravingLoaded(b);
  EXPECT_EQ(b, (IsoBoxButtons{true, true, true, false, false}));
  OnPlacementDone(b);
  EXPECT_EQ(b, (IsoBoxButtons{true, true, false, true, false}));
  OnZValidated(b);
  EXPECT_EQ(b, (IsoBoxButtons{true, true, false, false, true}));
  OnRunEnded(b);  // drilling next: Z is asked again
  EXPECT_EQ(b, (IsoBoxButtons{true, true, false, true, false}));
  OnZValidated(b);
  EXPECT_TRUE(b.start);
  // Loading a new engraving program asks for the placement again.
  OnEngravingLoaded(b);
  EXPECT_TRUE(b.placement);
  EXPECT_FALSE(b.validate_z);
}

TEST(TargetFieldTest, ReadsDotOrTheLocaleSeparatorAndRefusesTheRest) {
  EXPECT_EQ(ParseTargetField("12.5", ','), 12.5);
  EXPECT_EQ(ParseTargetField("-0.004", '.'), -0.004);
  EXPECT_EQ(ParseTargetField("12,5", ','), 12.5);
  EXPECT_EQ(ParseTargetField(" 3 ", '.'), 3.0);
  EXPECT_EQ(ParseTargetField("12,5", '.'), std::nullopt);
  EXPECT_EQ(ParseTargetField("", '.'), std::nullopt);
  EXPECT_EQ(ParseTargetField("-", ','), std::nullopt);
  EXPECT_EQ(ParseTargetField("1.2.3", '.'), std::nullopt);
  EXPECT_EQ(ParseTargetField("abc", ','), std::nullopt);
}

}  // namespace
}  // namespace pistora
