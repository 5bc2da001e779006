// Every key the tool writes in its JSON is documented in the schema document it ships, and
// every output says which schema it follows.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>
#include <set>

#include "tests/support/HandMadeTzd.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

using nlohmann::json;

void CollectKeys(const json& j, std::set<std::string>& keys) {
    if (j.is_object())
        for (const auto& [key, value] : j.items()) {
            keys.insert(key);
            CollectKeys(value, keys);
        }
    else if (j.is_array())
        for (const auto& item : j)
            CollectKeys(item, keys);
}

TEST(JsonSchema, EveryKeyWrittenIsDocumentedAndEveryOutputNamesItsSchema) {
    test::TempDir dir;
    // The hand-made file has every section: a time program, peaks and manual events.
    const std::string file = dir.Path("full.Tzd");
    test::WriteBytes(file, test::HandMadeTzd());
    const auto dump = test::RunProgram(LX6600_CLI, {"dump", file, "--json", "--raw", "--samples"});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    const auto integrated = test::RunProgram(LX6600_CLI, {"integrate", file, "--json", "--raw"});
    ASSERT_EQ(integrated.exitCode, 0) << integrated.err;
    // A project with a component, a calibration level and a standard with its peaks.
    const std::string home = dir.Path("app");
    auto cli = [&](std::vector<std::string> args) {
        args.insert(args.end(), {"--home", home});
        const auto run = test::RunProgram(LX6600_CLI, args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run;
    };
    cli({"project", "new", "方法", "--method", "external-standard", "--ident", "time-band"});
    const std::string project = home + "/方法/方法.Tzp";
    cli({"project", "component", project, "add", "--name", "苯", "--time", "1", "--window", "1"});
    cli({"project", "add-standard", project, file});
    const auto shown = cli({"project", "show", project, "--json", "--raw"});
    // A captured line of one channel-B frame after the warm-up frames.
    std::vector<std::uint8_t> capture;
    for (int i = 0; i < 7; ++i)
        capture.insert(capture.end(), {0xF2, 0xFA, 0x3F, 0x3F, 0x3F, 0x1F, 0xE1});
    test::WriteBytes(dir.Path("line.bin"), capture);
    const auto decoded = cli({"decode", dir.Path("line.bin"), "--json"});
    const auto schema = test::RunProgram(LX6600_CLI, {"--help-json"});
    ASSERT_EQ(schema.exitCode, 0);

    std::set<std::string> keys;
    for (const std::string& text : {dump.out, integrated.out, shown.out, decoded.out}) {
        const json j = json::parse(text);
        EXPECT_EQ(j["schema"], 1);
        CollectKeys(j, keys);
    }
    EXPECT_GT(keys.size(), 150u);
    for (const std::string& key : keys)
        EXPECT_NE(schema.out.find("`" + key + "`"), std::string::npos)
            << "key " << key << " is not documented in docs/json-schema.md";

    std::ifstream shipped(LX_SOURCE_DIR "/docs/json-schema.md");
    EXPECT_EQ(schema.out, std::string(std::istreambuf_iterator<char>(shipped), {}));
}

}  // namespace
}  // namespace lx
