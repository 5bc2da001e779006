#pragma once
// Speaks one language for the life of a test, then Chinese again: every other test reads the
// workstation's Chinese texts, and a failed assertion must not leave English behind.

#include "core/Language.h"

namespace lx::test {

class SpeakLanguage {
public:
    explicit SpeakLanguage(Language language) { SetLanguage(language); }
    ~SpeakLanguage() { SetLanguage(Language::Chinese); }
    SpeakLanguage(const SpeakLanguage&) = delete;
    SpeakLanguage& operator=(const SpeakLanguage&) = delete;
};

}  // namespace lx::test
