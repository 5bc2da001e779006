// Method projects through lx6600-cli alone: create, fill, calibrate, quantify, maintain.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

using nlohmann::json;

class CliProject : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string project;

    test::ProgramRun Cli(std::vector<std::string> args) {
        args.insert(args.end(), {"--home", dir.Path("app")});
        return test::RunProgram(LX6600_CLI, args);
    }
    void Ok(const std::vector<std::string>& args) {
        const auto run = Cli(args);
        ASSERT_EQ(run.exitCode, 0) << args[0] << " " << args[1] << ": " << run.err;
    }
    json Show() {
        const auto run = Cli({"project", "show", project, "--json"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return json::parse(run.out);
    }
    // Three Gaussians at 2, 4 and 6 minutes, heights scaled by `scale`.
    std::string Mixture(const std::string& name, const std::string& scale) {
        Ok({"synth", dir.Path(name), "--minutes", "8", "--noise", "0", "--drift", "0", "--peak",
            "2:40000", "--peak", "4:60000:4", "--peak", "6:30000", "--scale", scale});
        return dir.Path(name);
    }
    void NewProject(const std::string& method) {
        const auto run = Cli({"project", "new", "苯系物", "--method", method, "--basis", "area",
                              "--ident", "0", "--operator", "王"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        project = dir.Path("app/苯系物/苯系物.Tzp");
        ASSERT_EQ(run.out, project + "\n");
    }
};

// The quantified peaks of one file: {m_Peaks: [...]} from integrate --json.
json Integrated(const test::ProgramRun& run) {
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    return json::parse(line)["m_Peaks"];
}

TEST_F(CliProject, ExternalStandardCalibrateThenQuantify) {
    NewProject("external-standard");
    for (const auto& [name, time] : {std::pair{"苯", "2"}, {"甲苯", "4"}, {"二甲苯", "6"}})
        Ok({"project", "component", project, "add", "--name", name, "--time", time, "--window",
            "0.1"});
    const std::string std1 = Mixture("std1.Tzd", "1");
    const std::string std2 = Mixture("std2.Tzd", "2");
    const std::string sample = Mixture("s.Tzd", "1.5");
    Ok({"project", "add-standard", project, std1});
    Ok({"project", "add-standard", project, std2});
    Ok({"project", "set-level", project, std2, "2"});
    for (const char* id : {"1", "2", "3"}) {
        Ok({"project", "component", project, "concentration", "--id", id, "--level", "1", "--value",
            "1"});
        Ok({"project", "component", project, "concentration", "--id", id, "--level", "2", "--value",
            "2"});
    }
    // Processing the standards with the project fills their records and calibrates.
    const auto standards = Cli({"integrate", std1, std2, "--project", project});
    ASSERT_EQ(standards.exitCode, 0) << standards.err;
    json p = Show();
    EXPECT_EQ(p["m_LevelCount"], 2);
    ASSERT_EQ(p["m_Standards"].size(), 2u);
    EXPECT_EQ(p["m_Standards"][1]["m_Level"], 2);
    EXPECT_EQ(p["m_Standards"][1]["m_Repeat"], 1);

    const auto run = Cli({"integrate", sample, "--project", project, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json peaks = Integrated(run);
    ASSERT_EQ(peaks.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const double a1 = p["m_Standards"][0]["m_Peaks"][k]["m_Area"];
        const double a2 = p["m_Standards"][1]["m_Peaks"][k]["m_Area"];
        const double a = (1 * a1 + 2 * a2) / (1 + 4);  // through the origin
        EXPECT_NEAR(p["m_Components"][k]["m_A"].get<double>(), a, 1e-9 * a);
        const double area = peaks[k]["m_Area"];
        EXPECT_EQ(peaks[k]["m_Component"], k + 1);
        EXPECT_NEAR(peaks[k]["m_Content"].get<double>(), area / a, 1e-9);
        EXPECT_NEAR(peaks[k]["m_Content"].get<double>(), 1.5, 0.005);
    }
    EXPECT_EQ(Show(), p);  // a sample changes nothing in its project

    // The readable form: tree, component table, "校正设置".
    const auto shown = Cli({"project", "show", project});
    ASSERT_EQ(shown.exitCode, 0);
    EXPECT_NE(shown.out.find("苯系物 (外标法)\n  项目模板\n  标准图谱\n    std1.Tzd\n    std2.Tzd\n"
                             "  样品图谱\n"),
              std::string::npos)
        << shown.out;
    EXPECT_NE(shown.out.find("过原点直线"), std::string::npos);
    EXPECT_NE(shown.out.find(" 标 准 品 文 件 名 "), std::string::npos);
}

// Contents that cannot be right are refused with the reason instead of printed; --force
// quantifies anyway, as the workstation would.
TEST_F(CliProject, QuantitationThatCannotBeRightIsRefused) {
    const std::string sample = Mixture("s.Tzd", "1.5");
    Ok({"project", "new", "无方法"});
    const std::string bare = dir.Path("app/无方法/无方法.Tzp");
    const auto noMethod = Cli({"integrate", sample, "--project", bare});
    EXPECT_EQ(noMethod.exitCode, 1);
    EXPECT_NE(noMethod.err.find("没有选择定量方法"), std::string::npos) << noMethod.err;
    EXPECT_EQ(noMethod.out, "");
    EXPECT_EQ(Cli({"integrate", sample, "--project", bare, "--force"}).exitCode, 0);
    Ok({"project", "new", "无定性", "--method", "external-standard"});
    const auto noIdent = Cli({"integrate", sample, "--project", dir.Path("app/无定性/无定性.Tzp")});
    EXPECT_EQ(noIdent.exitCode, 1);
    EXPECT_NE(noIdent.err.find("没有选择定性方式"), std::string::npos) << noIdent.err;

    // Two levels, the second one's concentration never set: the sample is not quantified.
    NewProject("external-standard");
    Ok({"project", "component", project, "add", "--name", "苯", "--time", "2", "--window", "0.1"});
    Ok({"project", "component", project, "add", "--name", "甲苯", "--time", "4", "--window",
        "0.1"});
    Ok({"project", "component", project, "concentration", "--id", "1", "--level", "1", "--value",
        "1"});
    Ok({"project", "component", project, "concentration", "--id", "2", "--level", "1", "--value",
        "1"});
    const std::string std1 = Mixture("std1.Tzd", "1");
    const std::string std2 = Mixture("std2.Tzd", "2");
    Ok({"project", "add-standard", project, std1});
    Ok({"project", "add-standard", project, std2});
    Ok({"project", "set-level", project, std2, "2"});
    const auto standards = Cli({"integrate", std1, std2, "--project", project});
    EXPECT_EQ(standards.exitCode, 1);
    EXPECT_NE(standards.err.find("某些组份浓度为零"), std::string::npos) << standards.err;
    const auto quantified = Cli({"integrate", sample, "--project", project});
    EXPECT_EQ(quantified.exitCode, 1);
    EXPECT_NE(quantified.err.find("样品未定量"), std::string::npos) << quantified.err;
    EXPECT_EQ(Cli({"integrate", sample, "--project", project, "--force"}).exitCode, 0);

    // With the concentrations set it calibrates; a component no standard holds is refused.
    for (const char* id : {"1", "2"})
        Ok({"project", "component", project, "concentration", "--id", id, "--level", "2", "--value",
            "2"});
    Ok({"integrate", std1, std2, "--project", project});
    Ok({"integrate", sample, "--project", project});
    Ok({"project", "component", project, "add", "--name", "乙苯", "--time", "7", "--window",
        "0.1"});
    const auto missing = Cli({"integrate", std1, "--project", project});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("中未找到组份[乙苯]"), std::string::npos) << missing.err;
}

TEST_F(CliProject, RefusalsExitOneWithTheProgramsMessage) {
    auto bad = Cli({"project", "new", "a.b"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, "方法名称输入错误,请重新输入!\n");
    EXPECT_EQ(Cli({"project", "new", "X", "--method", "7"}).exitCode, 2);

    NewProject("2");
    auto again = Cli({"project", "new", "苯系物"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.err, "方法项目文件已存在是否覆盖! --no\n");

    const std::string run = Mixture("run.Tzd", "1");
    Ok({"project", "add-sample", project, run});
    auto dup = Cli({"project", "add-standard", project, run});
    EXPECT_EQ(dup.exitCode, 1);
    EXPECT_EQ(dup.err, "文件记录 <" + run + "> 已存在!\n");
    auto missing = Cli({"project", "add-sample", project, dir.Path("none.Tzd")});
    EXPECT_EQ(missing.err, "打开文件[" + dir.Path("none.Tzd") + "]错误!\n");

    auto kept = Cli({"project", "remove", project, run});
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_EQ(kept.err, "是否从分析项目中删除记录[" + run + "] ! --no\n");
    EXPECT_EQ(Show()["m_Samples"].size(), 1u);
    Ok({"project", "remove", project, run, "--yes"});
    EXPECT_EQ(Show()["m_Samples"].size(), 0u);

    auto calibrate = Cli({"project", "calibrate", project});
    EXPECT_EQ(calibrate.exitCode, 1);
    EXPECT_EQ(calibrate.err, "组份表为空,请重新设置组份表!\n");
    auto reference = Cli({"project", "reference", project, run, "--peak", "1"});
    EXPECT_EQ(reference.exitCode, 1);
    EXPECT_EQ(reference.err, "项目不是指纹图谱法,不能设置参照内标!\n");
    auto noProject = Cli({"integrate", run, "--project", dir.Path("none.Tzp")});
    EXPECT_EQ(noProject.exitCode, 1);
    EXPECT_EQ(noProject.err, "打开文件[" + dir.Path("none.Tzp") + "]失败!(文件不存在)\n");
}

TEST_F(CliProject, ComponentsLevelsAndReferencePeaks) {
    NewProject("fingerprint");
    Ok({"project", "component", project, "add", "--name", "IS", "--time", "4",
        "--internal-standard"});
    Ok({"project", "component", project, "add", "--name", "A", "--time", "2", "--reference", "1"});
    EXPECT_EQ(Cli({"project", "component", project, "add", "--name", "B", "--time", "3",
                   "--reference", "2"})
                  .err,
              "组份ID[2]不是内标物!\n");
    json p = Show();
    ASSERT_EQ(p["m_Components"].size(), 2u);
    EXPECT_EQ(p["m_Components"][0]["m_Name"], "A");  // ordered by time
    EXPECT_EQ(p["m_Components"][0]["m_ReferenceIs"], 1);
    EXPECT_EQ(p["m_Components"][1]["m_IsInternalStandard"], 1);

    const std::string s1 = Mixture("s1.Tzd", "1");
    const std::string s2 = Mixture("s2.Tzd", "1");
    const std::string s3 = Mixture("s3.Tzd", "1");
    for (const std::string& s : {s1, s2, s3})
        Ok({"project", "add-standard", project, s});
    Ok({"project", "set-level", project, s2, "5"});  // a new level 2
    Ok({"project", "set-level", project, s3, "2"});
    EXPECT_EQ(Show()["m_LevelCount"], 2);
    Ok({"project", "remove", project, s1, "--yes"});  // level 1 empties and goes
    p = Show();
    EXPECT_EQ(p["m_LevelCount"], 1);
    EXPECT_EQ(p["m_Standards"][0]["m_Level"], 1);
    EXPECT_EQ(p["m_Standards"][1]["m_Repeat"], 2);
    EXPECT_EQ(p["m_Components"][0]["m_Points"].size(), 1u);

    Ok({"project", "reference", project, s2, "--peak", "2", "--window", "0.05", "--yes"});
    p = Show();
    EXPECT_EQ(p["m_Standards"][0]["m_RefRetentionTime"], 3.999);
    EXPECT_EQ(p["m_Standards"][0]["m_RefWindow"], 0.05);
    EXPECT_GT(p["m_Standards"][0]["m_RefArea"].get<double>(), 1e6);
    EXPECT_EQ(p["m_Standards"][1]["m_RefArea"], 0.0);
    Ok({"project", "reference", project, s2, "--peak", "1", "--all", "--yes"});
    EXPECT_EQ(Show()["m_Standards"][1]["m_RefRetentionTime"], 1.999);

    Ok({"project", "component", project, "remove", "--id", "2", "--yes"});
    EXPECT_EQ(Show()["m_Components"].size(), 1u);
    Ok({"project", "remove-all", project, "standards", "--yes"});
    EXPECT_EQ(Show()["m_Standards"].size(), 0u);
}

// Placeholder fields (stored and carried, meaning unknown) appear only with --raw; every other
// key and value is the same either way.
TEST_F(CliProject, ShowHidesThePlaceholdersUnlessRaw) {
    NewProject("external-standard");
    Ok({"project", "component", project, "add", "--name", "苯", "--time", "2"});
    Ok({"project", "add-sample", project, Mixture("s.Tzd", "1")});
    using Ordered = nlohmann::ordered_json;  // keys as printed, in file order
    const auto plain = Cli({"project", "show", project, "--json"});
    const auto raw = Cli({"project", "show", project, "--json", "--raw"});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    ASSERT_EQ(raw.exitCode, 0) << raw.err;
    const Ordered shown = Ordered::parse(plain.out);
    const Ordered all = Ordered::parse(raw.out);

    EXPECT_EQ(shown.begin().key(), "schema");
    EXPECT_EQ(shown["schema"], 1);
    EXPECT_EQ(shown["m_Version"], 18);
    EXPECT_EQ(shown["m_Operator"], "王");
    EXPECT_EQ(shown["m_Method"], 2);
    EXPECT_EQ(shown["m_Components"][0]["m_Name"], "苯");
    EXPECT_EQ(shown["m_Components"][0]["m_Id"], 1);
    for (const char* key : {"m_Text8", "m_Text9", "m_FieldA", "m_FieldB", "m_FieldC", "m_ValueD",
                            "m_ValueE", "m_ValueF"}) {
        EXPECT_FALSE(shown.contains(key)) << key;
        EXPECT_TRUE(all.contains(key)) << key;
    }
    for (const char* key : {"m_Reserved", "m_Factor", "m_Text2", "m_Values1", "m_Values2"}) {
        EXPECT_FALSE(shown["m_Components"][0].contains(key)) << key;
        EXPECT_TRUE(all["m_Components"][0].contains(key)) << key;
    }
    EXPECT_EQ(all["m_Components"][0]["m_Factor"], 1.0);  // a new component's factor
    EXPECT_FALSE(shown["m_Samples"][0].contains("m_Text"));
    EXPECT_TRUE(all["m_Samples"][0].contains("m_Text"));
    EXPECT_FALSE(shown["m_Samples"][0]["m_Peaks"][0].contains("m_Extra1"));
    EXPECT_TRUE(all["m_Samples"][0]["m_Peaks"][0].contains("m_Extra1"));

    // Taking the placeholders out of the raw form gives the plain one, key order included.
    Ordered stripped = all;
    for (const char* key : {"m_Text8", "m_Text9", "m_FieldA", "m_FieldB", "m_FieldC", "m_ValueD",
                            "m_ValueE", "m_ValueF"})
        stripped.erase(key);
    std::vector<std::string> strippedKeys, shownKeys;
    for (auto& [key, value] : stripped.items())
        strippedKeys.push_back(key);
    for (auto& [key, value] : shown.items()) {
        shownKeys.push_back(key);
        if (!value.is_structured()) {
            EXPECT_EQ(stripped[key], value) << key;
        }
    }
    EXPECT_EQ(strippedKeys, shownKeys);

    // The readable view is short; --all adds every field, --raw the placeholders too.
    const auto text = Cli({"project", "show", project, "--all", "--raw"});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("m_Text8: "), std::string::npos);
    const auto everyField = Cli({"project", "show", project, "--all"});
    EXPECT_NE(everyField.out.find("m_Method: "), std::string::npos);
    EXPECT_EQ(everyField.out.find("m_Text8: "), std::string::npos);
    EXPECT_EQ(Cli({"project", "show", project}).out.find("m_Method: "), std::string::npos);
}

}  // namespace
}  // namespace lx
