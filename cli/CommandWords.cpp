#include "cli/CommandWords.h"

#include <algorithm>
#include <cstdlib>

#include "cli/CliTexts.h"
#include "core/Format.h"

namespace lx::cli {
namespace {

std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

bool LooksLikeNumber(const std::string& word) {
    char* end = nullptr;
    std::strtod(word.c_str(), &end);
    return end == word.c_str() + word.size();
}

// The options a word may name here: those of the command and of every command above it.
std::vector<const CLI::Option*> OptionsInReach(const CLI::App* app) {
    std::vector<const CLI::Option*> options;
    for (; app; app = app->get_parent())
        for (const CLI::Option* o : app->get_options())
            if (o->nonpositional())
                options.push_back(o);
    return options;
}

const CLI::Option* FindOption(const std::vector<const CLI::Option*>& options,
                              const std::string& word) {
    for (const CLI::Option* o : options)
        if (o->check_name(word))
            return o;
    return nullptr;
}

std::vector<std::string> OptionNames(const std::vector<const CLI::Option*>& options) {
    std::vector<std::string> names;
    for (const CLI::Option* o : options) {
        for (const std::string& l : o->get_lnames())
            names.push_back("--" + l);
        for (const std::string& s : o->get_snames())
            names.push_back("-" + s);
    }
    return names;
}

std::vector<const CLI::App*> Subcommands(const CLI::App* app) {
    return app->get_subcommands([](const CLI::App*) { return true; });
}

std::string WithSuggestion(std::string message, const std::string& word,
                           const std::vector<std::string>& names) {
    if (const std::string nearest = NearestName(word, names); !nearest.empty())
        message += Format(Tr(texts::kDidYouMean), nearest.c_str());
    return message;
}

}  // namespace

std::string NearestName(const std::string& word, const std::vector<std::string>& candidates) {
    std::string best;
    std::size_t bestDistance = std::max<std::size_t>(2, word.size() / 3) + 1;
    for (const std::string& c : candidates) {
        const std::size_t d = c.rfind(word, 0) == 0 && word.size() >= 3 ? 1 : EditDistance(word, c);
        if (d < bestDistance) {
            bestDistance = d;
            best = c;
        }
    }
    return best;
}

std::string UnplacedWord(const CLI::App& app, const std::vector<std::string>& args) {
    const CLI::App* current = &app;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--")
            return {};
        if (word.size() > 1 && word[0] == '-' && !LooksLikeNumber(word)) {
            const std::string name = word.substr(0, word.find('='));
            const auto options = OptionsInReach(current);
            const CLI::Option* option = FindOption(options, name);
            if (!option)
                return WithSuggestion(Format(Tr(texts::kUnknownOption), name.c_str()), name,
                                      OptionNames(options));
            const bool takesValue = option->get_expected_min() > 0;
            if (takesValue && name.size() == word.size()) {
                if (i + 1 >= args.size())
                    return Format(Tr(texts::kMissingValue), name.c_str());
                ++i;
            }
            continue;
        }
        const auto subcommands = Subcommands(current);
        const auto chosen = std::find_if(subcommands.begin(), subcommands.end(),
                                         [&](const CLI::App* s) { return s->check_name(word); });
        if (chosen != subcommands.end()) {
            current = *chosen;
            continue;
        }
        const bool takesPositionals =
            !current->get_options([](const CLI::Option* o) { return o->get_positional(); }).empty();
        if (takesPositionals)
            continue;
        std::vector<std::string> names;
        for (const CLI::App* s : subcommands)
            names.push_back(s->get_name());
        if (names.empty())
            return Format(Tr(texts::kUnexpectedWord), word.c_str());
        std::string list;
        for (const std::string& n : names)
            list += (list.empty() ? "" : ", ") + n;
        return WithSuggestion(Format(Tr(texts::kUnknownCommand), word.c_str(), list.c_str()), word,
                              names);
    }
    return {};
}

}  // namespace lx::cli
