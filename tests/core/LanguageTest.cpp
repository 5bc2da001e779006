// The language the program speaks: chosen from the locale or by hand, and the texts of the
// file layer in both languages, as the loaders give them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "core/CoreTexts.h"
#include "core/Language.h"
#include "core/TzdFile.h"
#include "tests/support/HandMadeTzd.h"
#include "tests/support/SpeakLanguage.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

TEST(Language, EnglishOnlyForLocalesThatAskForIt) {
    EXPECT_EQ(LanguageOfLocale("en_US.UTF-8"), Language::English);
    EXPECT_EQ(LanguageOfLocale("en_GB"), Language::English);
    EXPECT_EQ(LanguageOfLocale("en"), Language::English);
    EXPECT_EQ(LanguageOfLocale("zh_CN.UTF-8"), Language::Chinese);
    EXPECT_EQ(LanguageOfLocale("C"), Language::Chinese);
    EXPECT_EQ(LanguageOfLocale("C.UTF-8"), Language::Chinese);
    EXPECT_EQ(LanguageOfLocale("POSIX"), Language::Chinese);
    EXPECT_EQ(LanguageOfLocale("e"), Language::Chinese);
    EXPECT_EQ(LanguageOfLocale(""), Language::Chinese);
}

// Sets or clears an environment variable for the life of the test and puts it back after.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : m_Name(name) {
        if (const char* old = std::getenv(name))
            m_Old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable() {
        if (m_Old)
            setenv(m_Name, m_Old->c_str(), 1);
        else
            unsetenv(m_Name);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_Name;
    std::optional<std::string> m_Old;
};

TEST(Language, TheFirstSetLocaleVariableDecides) {
    {
        ScopedVariable all("LC_ALL", nullptr), messages("LC_MESSAGES", ""),
            lang("LANG", "en_US.UTF-8");
        EXPECT_EQ(LanguageFromEnvironment(), Language::English);
    }
    {
        ScopedVariable all("LC_ALL", "zh_CN.UTF-8"), messages("LC_MESSAGES", "en_US.UTF-8"),
            lang("LANG", "en_US.UTF-8");
        EXPECT_EQ(LanguageFromEnvironment(), Language::Chinese);
    }
    {
        ScopedVariable all("LC_ALL", ""), messages("LC_MESSAGES", "en_US.UTF-8"),
            lang("LANG", "zh_CN.UTF-8");
        EXPECT_EQ(LanguageFromEnvironment(), Language::English);
    }
    {
        ScopedVariable all("LC_ALL", nullptr), messages("LC_MESSAGES", nullptr),
            lang("LANG", nullptr);
        EXPECT_EQ(LanguageFromEnvironment(), Language::Chinese);
    }
}

TEST(Language, TrGivesTheFormOfTheChosenLanguage) {
    constexpr Text both{"文件不存在", "no such file"};
    constexpr Text chineseOnly{"峰表", nullptr};
    ASSERT_EQ(CurrentLanguage(), Language::Chinese);  // the default
    EXPECT_STREQ(Tr(both), "文件不存在");
    {
        test::SpeakLanguage english(Language::English);
        EXPECT_EQ(CurrentLanguage(), Language::English);
        EXPECT_STREQ(Tr(both), "no such file");
        EXPECT_STREQ(Tr(chineseOnly), "峰表");  // nothing to translate to: the source text
        SetLanguage(Language::Chinese);
        EXPECT_STREQ(Tr(both), "文件不存在");
        SetLanguage(Language::English);
        EXPECT_STREQ(Tr(texts::kReasonFolder), "it is a folder");
    }
    EXPECT_EQ(CurrentLanguage(), Language::Chinese);
    EXPECT_STREQ(Tr(texts::kReasonFolder), "这是一个文件夹");
}

TEST(Language, TheChromatogramLoaderSpeaksTheChosenLanguage) {
    const auto bytes = test::HandMadeTzd();
    const std::span<const std::uint8_t> cut{bytes.data(), 4};  // the version and no more
    test::TempDir dir;
    const std::string missing = dir.Path("none.Tzd");
    {
        test::SpeakLanguage english(Language::English);
        EXPECT_EQ(LoadTzdBytes({}, "x.Tzd").error(),
                  "File [x.Tzd] is not a chromatogram file (.Tzd) but an empty file, so it "
                  "cannot be opened!");
        EXPECT_EQ(LoadTzdBytes(cut, "cut.Tzd").error(),
                  "File [cut.Tzd] is damaged or incomplete (sample information) and cannot be "
                  "opened!");
        EXPECT_EQ(LoadTzdFile(missing).error(),
                  "Cannot open file [" + missing + "]! (no such file)");
    }
    // The same failures in the workstation's own words once Chinese is back.
    EXPECT_EQ(LoadTzdBytes({}, "x.Tzd").error(),
              "文件[x.Tzd]不是色谱图文件(.Tzd),而是空文件,无法打开!");
    EXPECT_EQ(LoadTzdBytes(cut, "cut.Tzd").error(),
              "文件[cut.Tzd]已损坏或不完整(样品信息),无法打开!");
    EXPECT_EQ(LoadTzdFile(missing).error(), "打开文件[" + missing + "]失败!(文件不存在)");
}

}  // namespace
}  // namespace lx
