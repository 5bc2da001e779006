#pragma once
// The language the program speaks to its user. The workstation's Chinese texts are the source
// and the default; every text the user reads also has its English form beside it, in one
// catalogue per layer (CoreTexts.h, PeakTexts.h, ...), which the desktop program shares.
// Printed reports choose their language by their own setting, not by this one.

#include <string_view>

namespace lx {

enum class Language { Chinese, English };

// A text of the program in both languages. Formats keep the same conversions in the same
// order in both.
struct Text {
    const char* zh;
    const char* en;
};

// Chosen once at start-up, before any text is shown.
void SetLanguage(Language language);
Language CurrentLanguage();

// The language a locale name asks for: English for names beginning with "en" ("en_US.UTF-8",
// "en"), Chinese for anything else.
Language LanguageOfLocale(std::string_view locale);
// The user's language from the environment: the first set of LC_ALL, LC_MESSAGES and LANG.
Language LanguageFromEnvironment();

// The text in the current language.
const char* Tr(const Text& text);

}  // namespace lx
