#include "cli/CliCommon.h"

#include <filesystem>
#include <iostream>

#include "cli/CliTexts.h"
#include "core/Format.h"

namespace lx::cli {
namespace {

// The parser words its errors as "<name> is required", "<a> excludes <b>", "...: <words>";
// the names are taken from there and the sentence is ours.
std::string Before(const std::string& text, const std::string& marker) {
    const auto at = text.find(marker);
    return at == std::string::npos ? std::string() : text.substr(0, at);
}

std::string After(const std::string& text, const std::string& marker) {
    const auto at = text.find(marker);
    return at == std::string::npos ? std::string() : text.substr(at + marker.size());
}

}  // namespace

int Fail(const std::string& message) {
    std::cerr << message << "\n";
    return kFailed;
}

int UsageError(const std::string& message) {
    std::cerr << message << "\n" << Tr(texts::kSeeHelp) << "\n";
    return kUsage;
}

std::string ParseErrorMessage(const CLI::ParseError& error) {
    const std::string what = error.what();
    if (dynamic_cast<const CLI::RequiredError*>(&error)) {
        const std::string name = Before(what, " is required");
        return name.empty() || name.find("subcommand") != std::string::npos
                   ? Tr(texts::kCommandRequired)
                   : Format(Tr(texts::kRequired), name.c_str());
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&error)) {
        const std::string first = Before(what, " excludes ");
        const std::string second = After(what, " excludes ");
        if (!first.empty() && !second.empty())
            return Format(Tr(texts::kExcludes), first.c_str(), second.c_str());
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error))
        return Format(Tr(texts::kUnexpectedWord), After(what, ": ").c_str());
    return Format(Tr(texts::kBadCommandLine), what.c_str());
}

void LocalizeOptionGroups(CLI::App& app) {
    for (CLI::Option* option : app.get_options())
        if (option->nonpositional())
            option->group(Tr(texts::kHelpOptions));
    for (CLI::App* command : app.get_subcommands([](CLI::App*) { return true; })) {
        command->group(Tr(texts::kHelpCommands));
        LocalizeOptionGroups(*command);
    }
}

void ConfigureHelp(CLI::App& app) {
    auto formatter = std::make_shared<CLI::Formatter>();
    formatter->label("Usage", Tr(texts::kHelpUsage));
    formatter->label("OPTIONS", Tr(texts::kHelpOptionsWord));
    formatter->label("SUBCOMMAND", Tr(texts::kHelpCommandWord));
    formatter->label("SUBCOMMANDS", Tr(texts::kHelpCommandWord));
    formatter->label("Positionals", Tr(texts::kHelpArguments));
    formatter->label("REQUIRED", Tr(texts::kHelpRequired));
    formatter->label("Excludes", Tr(texts::kHelpExcludes));
    formatter->label("Needs", Tr(texts::kHelpNeeds));
    formatter->label("TEXT", Tr(texts::kHelpText));
    formatter->column_width(34);
    app.formatter(formatter);
    app.option_defaults()->group(Tr(texts::kHelpOptions));
    app.set_help_flag("-h,--help", Tr(texts::kHelpHelp));
}

std::string RefuseOverwrite(const std::string& path, bool force) {
    std::error_code ec;
    if (force || !std::filesystem::exists(path, ec))
        return {};
    return Format(Tr(texts::kFileExists), path.c_str());
}

std::string RefuseOutput(const std::string& out, const std::vector<std::string>& inputs,
                         bool force) {
    std::error_code ec;
    for (const std::string& in : inputs)
        if (std::filesystem::equivalent(out, in, ec))
            return Format(Tr(texts::kOutputIsInput), out.c_str());
    return RefuseOverwrite(out, force);
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

}  // namespace lx::cli
