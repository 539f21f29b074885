#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace framework {

// The command line as the usual conventions read it: long and short options, "--" before
// arguments that look like options, --help and --version. Needs no display and no application
// object, so that a script can run the program anywhere.
class CommandLine {
  public:
    struct Option {
        std::vector<std::string> names;  // "explain", or "h" and "help"
        std::string description;
        std::string valueName{};  // an option that takes a value names it
    };

    CommandLine(std::string name, std::string version, std::string description,
                std::vector<Option> options, std::string arguments,
                std::string argumentsDescription);
    ~CommandLine();

    // Reads the arguments. --help and --version print on standard output and give 0; a usage
    // error prints one line on standard error and gives 2; nothing when the program goes on.
    std::optional<int> Parse(int argc, char** argv);
    bool IsSet(std::string_view name) const;
    std::string Value(std::string_view name) const;
    std::vector<std::string> Arguments() const;

  private:
    struct Parser;
    std::unique_ptr<Parser> parser_;
    std::string name_, version_;
};

// One line on standard error, after the program's name, as a command-line tool says it.
void PrintError(std::string_view program, std::string_view message);
// Text on standard output as it is.
void PrintOut(std::string_view text);

}  // namespace framework
