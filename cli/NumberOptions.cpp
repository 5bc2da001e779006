#include "cli/NumberOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "cli/CliCommon.h"
#include "cli/CliTexts.h"
#include "core/Format.h"

namespace lx::cli {
namespace {

std::string Number(double v) {
    return Format("%g", v);
}

// The value of `text` when all of it is one finite number.
std::optional<double> ParseNumber(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool Inside(double v, const Bounds& b) {
    const bool aboveMin = b.minOpen ? v > b.min : v >= b.min;
    const bool belowMax = b.maxOpen ? v < b.max : v <= b.max;
    return aboveMin && belowMax;
}

}  // namespace

std::string BoundsText(const Bounds& b) {
    if (std::isinf(b.max))
        return (b.minOpen ? "> " : "≥ ") + Number(b.min);
    return (b.minOpen ? "(" : "[") + Number(b.min) + ", " + Number(b.max) + (b.maxOpen ? ")" : "]");
}

CLI::Option* NumberOptions::Declare(CLI::App* cmd, std::unique_ptr<Entry> entry, const Text& help,
                                    const char* unit, const std::string& defaultText) {
    std::string description = Tr(help);
    std::string details = BoundsText(entry->bounds);
    if (unit && *unit)
        details = std::string(unit) + ", " + details;
    if (!defaultText.empty())
        details += Format(Tr(texts::kDefaultIs), defaultText.c_str());
    description += " (" + details + ")";
    CLI::Option* option = cmd->add_option(entry->name, entry->text, description);
    option->type_name(entry->integer ? "N" : "X");
    m_Entries.push_back(std::move(entry));
    return option;
}

CLI::Option* NumberOptions::Add(CLI::App* cmd, const std::string& name,
                                std::optional<double>& target, Bounds bounds, const Text& help,
                                const char* unit) {
    auto e = std::make_unique<Entry>(
        Entry{name, "", bounds, false, [&target](double v) { target = v; }});
    return Declare(cmd, std::move(e), help, unit, "");
}

CLI::Option* NumberOptions::Add(CLI::App* cmd, const std::string& name, std::optional<int>& target,
                                Bounds bounds, const Text& help, const char* unit) {
    auto e = std::make_unique<Entry>(
        Entry{name, "", bounds, true, [&target](double v) { target = static_cast<int>(v); }});
    return Declare(cmd, std::move(e), help, unit, "");
}

CLI::Option* NumberOptions::Add(CLI::App* cmd, const std::string& name, double& target,
                                Bounds bounds, const Text& help, const char* unit) {
    auto e = std::make_unique<Entry>(
        Entry{name, "", bounds, false, [&target](double v) { target = v; }});
    return Declare(cmd, std::move(e), help, unit, Number(target));
}

CLI::Option* NumberOptions::Add(CLI::App* cmd, const std::string& name, int& target, Bounds bounds,
                                const Text& help, const char* unit) {
    auto e = std::make_unique<Entry>(
        Entry{name, "", bounds, true, [&target](double v) { target = static_cast<int>(v); }});
    return Declare(cmd, std::move(e), help, unit, Number(target));
}

std::string NumberOptions::Store() const {
    for (const auto& e : m_Entries) {
        if (e->text.empty())
            continue;
        const std::optional<double> v = ParseNumber(e->text);
        if (!v)
            return Format(Tr(texts::kNotANumber), e->name.c_str(), e->text.c_str());
        if (e->integer && (*v != std::trunc(*v) || std::fabs(*v) > std::numeric_limits<int>::max()))
            return Format(Tr(texts::kNotAWholeNumber), e->name.c_str(), e->text.c_str());
        if (!Inside(*v, e->bounds))
            return Format(Tr(texts::kOutOfRange), e->name.c_str(), e->text.c_str(),
                          BoundsText(e->bounds).c_str());
        e->store(*v);
    }
    return {};
}

int NumberOptions::StoreThenRun(const std::function<int()>& command) const {
    const std::string refused = Store();
    return refused.empty() ? command() : UsageError(refused);
}

}  // namespace lx::cli
