// Giving a channel its method: projects and folders with their questions and refusals, and
// the parameter clipboard.
#include <gtest/gtest.h>

#include <filesystem>

#include "acq/ChannelMethod.h"
#include "acq/ChannelSetupFile.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

class ChannelMethodTest : public ::testing::Test {
protected:
    test::TempDir app;
    test::ScriptedPrompter prompter;
    ChannelView view;
    CDatDoc channelB{1, 20, app.path().string(), view, prompter};
    CPrjDoc project = Project("苯系物", 33.0);

    static CPrjDoc Project(const char* name, double slope) {
        CPrjDoc p;
        p.m_MethodName = name;
        p.m_Params.m_Slope = slope;
        p.m_Operator = "王";
        p.m_ChannelSetup.runKind = 1;
        p.m_ChannelSetup.prefix = name;
        return p;
    }
};

TEST_F(ChannelMethodTest, AnotherProjectIsTakenAfterTheQuestionWithTheListsKind) {
    EXPECT_FALSE(AssignProject(channelB, project, true, prompter));  // No
    EXPECT_EQ(channelB.m_Project, nullptr);
    prompter.answers = {true};
    EXPECT_TRUE(AssignProject(channelB, project, true, prompter));
    EXPECT_EQ(prompter.questions,
              (std::vector<std::string>(2, "是否使用方法 <<苯系物>> 对通道B进行数据采集!")));
    EXPECT_EQ(channelB.m_Project, &project);
    EXPECT_EQ(channelB.m_Method.m_Params.m_Slope, 33.0);
    EXPECT_EQ(channelB.m_Method.m_Operator, "王");
    EXPECT_EQ(channelB.m_Method.m_ChannelSetup.prefix, "苯系物");
    EXPECT_EQ(channelB.m_Method.m_ChannelSetup.runKind, 0);  // the standards list was selected
}

TEST_F(ChannelMethodTest, TheSameProjectOnlyChangesTheKindAfterItsQuestion) {
    TakeProject(channelB, project, 1);
    channelB.m_Method.m_Params.m_Slope = 99.0;  // edited since; must survive
    prompter.answers = {true, true};
    EXPECT_FALSE(AssignProject(channelB, project, false, prompter));  // already samples
    EXPECT_TRUE(AssignProject(channelB, project, true, prompter));
    EXPECT_EQ(channelB.m_Method.m_ChannelSetup.runKind, 0);
    EXPECT_TRUE(AssignProject(channelB, project, false, prompter));
    EXPECT_EQ(channelB.m_Method.m_ChannelSetup.runKind, 1);
    EXPECT_EQ(prompter.questions,
              (std::vector<std::string>{"是否将通道B数据设置成<<标准品图谱>> !",
                                        "是否将通道B数据设置成<<样品图谱>> !"}));
    EXPECT_EQ(channelB.m_Method.m_Params.m_Slope, 99.0);
}

TEST_F(ChannelMethodTest, ARecordingChannelKeepsItsProjectAndFolder) {
    CPrjDoc other = Project("甲醇", 5.0);
    TakeProject(channelB, project, 1);
    channelB.m_Method.m_ChannelSetup.folder = "Data";
    channelB.StartRun();
    prompter.answers = {true, true};
    EXPECT_FALSE(AssignProject(channelB, other, false, prompter));
    EXPECT_FALSE(UseFolder(channelB, "甲醇", app.path().string(), prompter));
    EXPECT_EQ(channelB.m_Project, &project);
    EXPECT_EQ(channelB.m_Method.m_ChannelSetup.folder, "Data");
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_EQ(prompter.messages,
              (std::vector<std::string>{"通道B正在采样不可更改其当前所用方法!", "通道B正在采样!"}));
}

TEST_F(ChannelMethodTest, AFolderGivesItsSetUpFileAndAFolderWithoutOneOnlyItself) {
    const std::string dir = app.path().string();
    std::filesystem::create_directories(app.Path("甲醇"));
    CTzLabDoc stored;
    stored.m_ChannelSetup.stopTime = 7.5;
    stored.m_Laboratory = "质检室";
    ASSERT_TRUE(WriteSetupFile(stored, app.Path("甲醇"), 1).ok());

    prompter.answers = {true, true};
    EXPECT_TRUE(UseFolder(channelB, "甲醇", dir, prompter));
    EXPECT_EQ(channelB.m_Method.m_ChannelSetup.stopTime, 7.5);
    EXPECT_EQ(channelB.m_Method.m_Laboratory, "质检室");
    EXPECT_EQ(channelB.m_Method.m_ChannelSetup.folder, "甲醇");
    EXPECT_FALSE(UseFolder(channelB, "甲醇", dir, prompter));  // already its folder: no question
    EXPECT_EQ(prompter.questions,
              std::vector<std::string>{"是否使用文件夹 <<甲醇>> 对通道B进行数据采集!"});

    std::filesystem::create_directories(app.Path("空"));
    ASSERT_TRUE(TakeFolder(channelB, "空", dir).ok());
    EXPECT_EQ(channelB.m_Method.m_ChannelSetup.folder, "空");
    EXPECT_EQ(channelB.m_Method.m_ChannelSetup.stopTime, 7.5);
    EXPECT_FALSE(std::filesystem::exists(app.Path("空/SetupChb")));
}

TEST_F(ChannelMethodTest, TheClipboardCarriesTheMethodAfterTheQuestion) {
    ParameterBuffer clipboard;
    CDatDoc channelA{0, 20, app.path().string(), view, prompter};
    EXPECT_FALSE(PasteChannelParameters(channelA, clipboard, prompter));  // nothing copied yet
    channelB.m_Method.m_Params.m_Slope = 77.0;
    channelB.m_Method.m_ChannelSetup.invert = 1;
    channelB.m_Method.m_SampleName = "柴油";
    CopyChannelParameters(channelB, clipboard);
    EXPECT_FALSE(PasteChannelParameters(channelA, clipboard, prompter));  // No
    prompter.answers = {true};
    EXPECT_TRUE(PasteChannelParameters(channelA, clipboard, prompter));
    EXPECT_EQ(prompter.questions, (std::vector<std::string>(2, "是否粘贴参数!")));
    EXPECT_EQ(channelA.m_Method.m_Params.m_Slope, 77.0);
    EXPECT_EQ(channelA.m_Method.m_ChannelSetup.invert, 1);
    EXPECT_EQ(channelA.m_Method.m_SampleName, "柴油");
    EXPECT_TRUE(channelA.m_Modified);
}

}  // namespace
}  // namespace lx
