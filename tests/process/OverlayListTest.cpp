// The overlays of an analysis window: colours, the current one, loading and unloading.
#include <gtest/gtest.h>

#include "core/TzdFile.h"
#include "process/OverlayList.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

TEST(OverlayList, ColoursWrapAfterTwelveAndTheNewestIsCurrent) {
    OverlayList list;
    CTzLabDoc own;
    list.MakeHead(own, "/d/own.Tzd");
    EXPECT_EQ(list.CurrentIndex(), 0);
    EXPECT_EQ(list.at(0).m_Doc, &own);
    for (int k = 1; k <= 13; ++k)
        list.Add(CTzLabDoc{}, "r" + std::to_string(k), true);
    EXPECT_EQ(list.at(1).m_Colour, (Rgb{128, 0, 0}));
    EXPECT_EQ(list.at(9).m_Colour, (Rgb{166, 202, 240}));
    EXPECT_EQ(list.at(11).m_Colour, (Rgb{160, 160, 164}));
    EXPECT_EQ(list.at(12).m_Colour, (Rgb{0, 0, 0}));
    EXPECT_EQ(list.at(13).m_Colour, (Rgb{0, 0, 0}));
    EXPECT_EQ(list.CurrentIndex(), 13);
    EXPECT_EQ(list.Current()->m_Path, "r13");
}

TEST(OverlayList, TheActiveDocumentHeadsTheList) {
    OverlayList list;
    CTzLabDoc own, other;
    list.MakeHead(own, "own");
    list.Add(CTzLabDoc{}, "result", true);
    list.MakeHead(own, "own");  // already the head
    EXPECT_EQ(list.size(), 2u);
    list.MakeHead(other, "other");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list.at(0).m_Doc, &other);
    EXPECT_EQ(list.at(1).m_Doc, &own);
    EXPECT_EQ(list.Current()->m_Path, "result");  // still the same overlay
}

TEST(OverlayList, LoadingIgnoresListedPathsAndReportsUnreadableFiles) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    CTzLabDoc run;
    run.m_Samples.Resize(4);
    ASSERT_TRUE(SaveTzdFile(run, dir.Path("a.Tzd")).ok());
    OverlayList list;
    CTzLabDoc own;
    list.MakeHead(own, dir.Path("own.Tzd"));
    ASSERT_TRUE(list.Load(dir.Path("a.Tzd"), prompter));
    EXPECT_EQ(list.at(1).m_Doc->m_Samples.size(), 4u);
    EXPECT_FALSE(list.at(1).m_Modified);
    EXPECT_FALSE(list.Load(dir.Path("a.Tzd"), prompter));
    EXPECT_FALSE(list.Load(dir.Path("own.Tzd"), prompter));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(list.Load(dir.Path("none.Tzd"), prompter));
    EXPECT_EQ(prompter.messages.back(), "打开文件[" + dir.Path("none.Tzd") + "]失败!");
    EXPECT_EQ(list.size(), 2u);
}

TEST(OverlayList, UnloadingAndClosingOfferToSaveTheModified) {
    test::ScriptedPrompter prompter;
    std::vector<std::string> saved;
    auto saveAs = [&](Overlay& o) {
        saved.push_back(o.m_Path);
        return true;
    };
    OverlayList list;
    CTzLabDoc own;
    list.MakeHead(own, "/d/own.Tzd");
    EXPECT_FALSE(list.UnloadCurrent(prompter, saveAs));  // never the window's own
    list.Add(CTzLabDoc{}, "/d/loaded.Tzd", false);
    list.Add(CTzLabDoc{}, "/d/run翻转.Tzd", true);
    list.Add(CTzLabDoc{}, "/d/run平滑.Tzd", true);

    prompter.answers = {true};
    ASSERT_TRUE(list.UnloadCurrent(prompter, saveAs));
    EXPECT_EQ(prompter.questions.back(), "将通道4改动保存到/d ?");
    EXPECT_EQ(saved, std::vector<std::string>{"/d/run平滑.Tzd"});
    EXPECT_EQ(list.CurrentIndex(), 2);
    prompter.answers = {false};
    ASSERT_TRUE(list.UnloadCurrent(prompter, saveAs));
    EXPECT_EQ(saved.size(), 1u);
    EXPECT_EQ(list.CurrentIndex(), 1);

    list.Add(CTzLabDoc{}, "/d/run导数.Tzd", true);
    prompter.questions.clear();
    prompter.answers = {true};
    list.OfferToSaveAll(prompter, saveAs);
    EXPECT_EQ(prompter.questions, std::vector<std::string>{"将通道3另存为/d/run导数.Tzd ?"});
    EXPECT_EQ(saved.back(), "/d/run导数.Tzd");
}

TEST(OverlayList, StaggeredDisplayMovesEveryOverlayButTheFirst) {
    OverlayList list;
    CTzLabDoc own;
    list.MakeHead(own, "own");
    list.Add(CTzLabDoc{}, "a", false);
    list.SetStaggered(true);
    list.Add(CTzLabDoc{}, "b", false);
    EXPECT_EQ(list.at(0).m_OffsetX, 0);
    EXPECT_EQ(list.at(1).m_OffsetX, 12);
    EXPECT_EQ(list.at(2).m_OffsetX, 24);
    EXPECT_EQ(list.at(2).m_OffsetY, -24);
    list.SetStaggered(false);
    EXPECT_EQ(list.at(2).m_OffsetY, 0);
}

}  // namespace
}  // namespace lx
