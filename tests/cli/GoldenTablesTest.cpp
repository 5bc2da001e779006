// The readable peak table, byte for byte, in both languages: its headings, widths and number
// formats are what scripts and people read, so any change must be a deliberate one (regenerate
// the files in tests/cli/golden and look at them).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

std::string Golden(const std::string& name) {
    std::ifstream in(std::string(LX_SOURCE_DIR "/tests/cli/golden/") + name);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(GoldenTables, PeakTableInBothLanguages) {
    test::TempDir dir;
    const std::string run = dir.Path("g.Tzd");
    ASSERT_EQ(test::RunProgram(LX6600_CLI,
                               {"synth", run, "--minutes", "10", "--peak", "2:50000", "--peak",
                                "5:400000:6", "--peak", "5.6:30000:3", "--peak", "8:80000"})
                  .exitCode,
              0);
    for (const auto& [lang, golden] :
         {std::pair{"zh", "peak-table.zh.txt"}, std::pair{"en", "peak-table.en.txt"}}) {
        auto table = test::RunProgram(LX6600_CLI, {"integrate", run, "--lang", lang}).out;
        const std::string named = "== " + run;
        ASSERT_EQ(table.rfind(named, 0), 0u) << table;
        table.replace(0, named.size(), "== FILE");
        EXPECT_EQ(table, Golden(golden)) << lang;
    }
}

}  // namespace
}  // namespace lx
