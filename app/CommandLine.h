#pragma once

#include <optional>

namespace app {

// What the command line asks for. Nothing when the program is to start its windows; otherwise
// the exit status of the text or picture it was asked for: 0 done, 1 an input the Explanation
// window would refuse too (its message on standard error), 2 a usage error.
std::optional<int> RunCommandLine(int& argc, char** argv);

}  // namespace app
