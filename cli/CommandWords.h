#pragma once
// Words of a command line that the tool cannot place, found before the parser sees them, so
// the user reads which word is wrong and what was probably meant, in the user's language,
// instead of the parser's own wording.

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace lx::cli {

// The message for the first word that names no command or option where it stands (an unknown
// subcommand, an unknown option, an option without its value, a word no command takes), with
// the nearest name when one is close; "" when every word has its place.
std::string UnplacedWord(const CLI::App& app, const std::vector<std::string>& args);

// The candidate closest to `word` when it is close enough to be a slip of the keyboard.
std::string NearestName(const std::string& word, const std::vector<std::string>& candidates);

}  // namespace lx::cli
