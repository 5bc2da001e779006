#pragma once
// How the engine asks the operator and tells them things, without knowing who answers: the
// desktop shows message boxes, the command line prints and answers from --yes/--no, tests
// script the answers and keep every text.

#include <string>

namespace lx {

class Prompter {
public:
    enum class Icon { Information, Warning, Error };

    virtual ~Prompter() = default;
    // A Yes/No question; true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // A message with an OK button.
    virtual void Inform(const std::string& text, Icon icon) = 0;
};

}  // namespace lx
