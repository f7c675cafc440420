#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pistora::cli {

// pistora-cli calibrate [--port P --params cn.dat] [--seconds S]: runs 50 µs ticks on this
// computer as a move runs them (through the port when one is named) and proposes the TickWaitUs
// of cn.dat that gives a true 50 µs tick. Exit 1 when this computer cannot keep it.
int RunCalibrate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pistora::cli
