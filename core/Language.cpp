#include "core/Language.h"

#include <atomic>
#include <cstdlib>

namespace lx {
namespace {

std::atomic<Language> g_Language{Language::Chinese};

}  // namespace

void SetLanguage(Language language) {
    g_Language.store(language, std::memory_order_relaxed);
}

Language CurrentLanguage() {
    return g_Language.load(std::memory_order_relaxed);
}

Language LanguageOfLocale(std::string_view locale) {
    return locale.substr(0, 2) == "en" ? Language::English : Language::Chinese;
}

Language LanguageFromEnvironment() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(name); value && *value)
            return LanguageOfLocale(value);
    return Language::Chinese;
}

const char* Tr(const Text& text) {
    return CurrentLanguage() == Language::English && text.en ? text.en : text.zh;
}

}  // namespace lx
