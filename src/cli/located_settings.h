#pragma once

#include <string>

namespace pistora::cli {

// The cn.dat the pistora program would read (SettingsLocation: the user's configuration folder,
// else beside the executable), or empty when there is none.
std::string LocatedMachineParameters();

}  // namespace pistora::cli
