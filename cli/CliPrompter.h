#pragma once
// The operator's side of the command line: messages go to stderr, questions are answered from
// --yes / --no (No when neither was given, so that nothing is lost unasked).

#include <optional>

#include <CLI/CLI.hpp>

#include "core/Prompter.h"

namespace lx::cli {

class CliPrompter : public Prompter {
public:
    explicit CliPrompter(std::optional<bool> answer = std::nullopt) : m_Answer(answer) {}
    bool Confirm(const std::string& text) override;
    void Inform(const std::string& text, Icon icon) override;

private:
    std::optional<bool> m_Answer;
};

// --yes and --no on a command that may ask; `answer` holds what was given.
void AddAnswerFlags(CLI::App* command, std::optional<bool>& answer);

}  // namespace lx::cli
