#pragma once
// A Prompter that answers from a script and keeps every text it was shown.

#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/Prompter.h"

namespace lx::test {

class ScriptedPrompter : public Prompter {
public:
    std::deque<bool> answers;            // for Confirm, in order; No when they run out
    std::vector<std::string> questions;  // what Confirm asked
    std::vector<std::string> messages;   // what Inform said

    bool Confirm(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void Inform(const std::string& text, Icon) override { messages.push_back(text); }
};

}  // namespace lx::test

namespace lx::test {

// For operations that must not ask or tell the operator anything: each prompt fails the test.
class NoPrompts : public Prompter {
public:
    bool Confirm(const std::string& text) override {
        ADD_FAILURE() << "unexpected question: " << text;
        return false;
    }
    void Inform(const std::string& text, Icon) override {
        ADD_FAILURE() << "unexpected message: " << text;
    }
};

}  // namespace lx::test
