#pragma once

#include <optional>
#include <string>

namespace app {

// What the command line asks for. Nothing when the program is to start its windows, with the
// case file to open in them, if one is named alone; otherwise the exit status of the text or
// picture it was asked for: 0 done, 1 an input the Explanation window would refuse too (its
// message on standard error), 2 a usage error.
std::optional<int> RunCommandLine(int& argc, char** argv, std::string& caseToOpen);

}  // namespace app
