#include "hw/simulated_surface.h"

#include <gtest/gtest.h>

namespace pistora {
namespace {

TEST(SimulatedSurfaceTest, ReadsTheOptionAndShapesThePlate) {
  const auto surface = ParseSimulatedSurface("tilt=0.2,0.1;bow=0.1", nullptr);
  ASSERT_TRUE(surface);
  const struct {
    double x, y, z;
  } points[] = {{0, 0, 0}, {100, 0, 0.2}, {0, 100, 0.1}, {50, 0, 0.1 + 0.1}, {50, 50, 0.15 + 0.2}, {100, 100, 0.3}};
  for (const auto& p : points) EXPECT_NEAR(surface->HeightAt(p.x, p.y), p.z, 1e-12) << p.x << "," << p.y;
  const auto sized = ParseSimulatedSurface("size=200x50;bow=0.1", nullptr);
  ASSERT_TRUE(sized);
  EXPECT_NEAR(sized->HeightAt(100, 25), 0.2, 1e-12);

  for (const char* bad : {"tilt=0.2", "bow=x", "tilt=1,1;tilt=1,1", "warp=1", "size=0x10", "tilt=0.2;0.1"}) {
    std::string error;
    EXPECT_FALSE(ParseSimulatedSurface(bad, &error)) << bad;
    EXPECT_NE(error.find(bad), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace pistora
