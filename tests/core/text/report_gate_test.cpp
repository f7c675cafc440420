#include "core/text/report_gate.h"

#include <gtest/gtest.h>

namespace pistora {
namespace {

TEST(ReportGate, StandingFaultIsReportedOnceAcrossActivations) {
  ReportGate gate;
  EXPECT_TRUE(gate.ShouldReport("fichier absent", false));
  // Closing the message box re-activates the window: no second box.
  EXPECT_FALSE(gate.ShouldReport("fichier absent", false));
  EXPECT_FALSE(gate.ShouldReport("fichier absent", false));
  // A different fault is news.
  EXPECT_TRUE(gate.ShouldReport("fichier illisible", false));
  EXPECT_FALSE(gate.ShouldReport("fichier illisible", false));
}

TEST(ReportGate, AskedReadingAlwaysReportsAndRearmingMakesItNewsAgain) {
  ReportGate gate;
  EXPECT_TRUE(gate.ShouldReport("absent", false));
  EXPECT_TRUE(gate.ShouldReport("absent", true));
  EXPECT_FALSE(gate.ShouldReport("absent", false));
  gate.Rearm();
  EXPECT_TRUE(gate.ShouldReport("absent", false));
}

}  // namespace
}  // namespace pistora
