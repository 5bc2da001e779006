#include "cli/CliPrompter.h"

#include <iostream>

#include "cli/CliTexts.h"

namespace lx::cli {

bool CliPrompter::Confirm(const std::string& text) {
    std::cerr << text << (m_Answer.value_or(false) ? " --yes" : " --no") << "\n";
    return m_Answer.value_or(false);
}

void CliPrompter::Inform(const std::string& text, Icon) {
    std::cerr << text << "\n";
}

void AddAnswerFlags(CLI::App* command, std::optional<bool>& answer) {
    auto* yes = command->add_flag_callback(
        "--yes", [&answer] { answer = true; }, Tr(texts::kYesHelp));
    command
        ->add_flag_callback(
            "--no", [&answer] { answer = false; }, Tr(texts::kNoHelp))
        ->excludes(yes);
}

}  // namespace lx::cli
