#pragma once
// Numeric options checked by the tool itself, not by the parser: a value that is not a number,
// not a whole number where one is needed, not finite, or outside its range is refused with a
// message that names the option, the value and the allowed range, in the user's language.
// Every numeric option says its default and unit in --help.

#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Language.h"

namespace lx::cli {

// An interval of allowed values; an open end excludes its bound.
struct Bounds {
    double min;
    double max;
    bool minOpen = false;
    bool maxOpen = false;
};

class NumberOptions {
public:
    // `unit` (may be empty) and the default, when there is one, are appended to the help.
    CLI::Option* Add(CLI::App* cmd, const std::string& name, std::optional<double>& target,
                     Bounds bounds, const Text& help, const char* unit = "");
    CLI::Option* Add(CLI::App* cmd, const std::string& name, std::optional<int>& target,
                     Bounds bounds, const Text& help, const char* unit = "");
    // Options that always have a value: the default is the target's value before parsing.
    CLI::Option* Add(CLI::App* cmd, const std::string& name, double& target, Bounds bounds,
                     const Text& help, const char* unit = "");
    CLI::Option* Add(CLI::App* cmd, const std::string& name, int& target, Bounds bounds,
                     const Text& help, const char* unit = "");

    // What every command does after parsing: the numbers stored, then `command`'s exit code,
    // or a usage error naming the number refused.
    int StoreThenRun(const std::function<int()>& command) const;

private:
    // Stores every given value; the message of the first one refused, or "".
    std::string Store() const;

    struct Entry {
        std::string name;
        std::string text;  // what the user typed
        Bounds bounds;
        bool integer = false;
        std::function<void(double)> store;
    };
    CLI::Option* Declare(CLI::App* cmd, std::unique_ptr<Entry> entry, const Text& help,
                         const char* unit, const std::string& defaultText);
    std::vector<std::unique_ptr<Entry>> m_Entries;
};

// "[0, 1000]", "(0, 1e+06]", "≥ 0" and the like, for messages and help.
std::string BoundsText(const Bounds& bounds);

}  // namespace lx::cli
