// The component table's order and IDs, and identification in its four modes.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "quant/CPrjDoc.h"
#include "quant/calc/Identification.h"

namespace lx {
namespace {

CComponentItem Component(const std::string& name, double time, double window = 0.01) {
    CComponentItem c;
    c.m_Id = 42;  // the table hands out the IDs, whatever a record brings
    c.m_Name = name;
    c.m_RetentionTime = time;
    c.m_TimeWindow = window;
    return c;
}

std::int32_t Add(CPrjDoc& project, const std::string& name, double time, double window = 0.01) {
    return project.AddComponent(Component(name, time, window));
}

TEST(ComponentTable, OrderedByTimeEqualTimesAfterAndIdsNeverReused) {
    CPrjDoc project;
    project.m_LevelCount = 3;
    EXPECT_EQ(Add(project, "A", 5.0), 1);
    EXPECT_EQ(Add(project, "B", 3.0), 2);
    EXPECT_EQ(Add(project, "C", 5.0), 3);
    ASSERT_EQ(project.m_Components.size(), 3u);
    EXPECT_EQ(project.m_Components[0].m_Name, "B");
    EXPECT_EQ(project.m_Components[1].m_Name, "A");
    EXPECT_EQ(project.m_Components[2].m_Name, "C");
    EXPECT_EQ(project.m_Components[0].m_Id, 2);
    EXPECT_EQ(project.m_Components[2].m_Id, 3);
    EXPECT_EQ(project.m_LastComponentId, 3);
    for (const auto& c : project.m_Components)
        EXPECT_EQ(c.m_Points.size(), 3u);

    project.RemoveComponent(2);
    project.RemoveComponent(7);  // out of range: ignored
    project.RemoveComponent(-1);
    EXPECT_EQ(project.m_Components.size(), 2u);
    Add(project, "D", 1.0);
    EXPECT_EQ(project.m_Components[0].m_Id, 4);  // not C's 3
    EXPECT_EQ(project.FindComponent(4), 0);
    EXPECT_EQ(project.FindComponent(3), -1);

    // A new level count reaches every component at the next addition.
    project.m_LevelCount = 4;
    Add(project, "E", 9.0);
    for (const auto& c : project.m_Components)
        EXPECT_EQ(c.m_Points.size(), 4u);
    project.RemoveAllComponents();
    EXPECT_TRUE(project.m_Components.empty());
    EXPECT_EQ(project.m_LastComponentId, 5);
}

// The dialog's edit of a row: the edited record moves to its new time's place under the row's
// ID, and the workstation counts an ID as handed out all the same.
TEST(ComponentTable, AnEditedRowKeepsItsIdAndUsesUpOne) {
    CPrjDoc project;
    project.m_LevelCount = 2;
    Add(project, "A", 1.0);
    Add(project, "B", 2.0);
    Add(project, "C", 3.0);
    CComponentItem edited = project.m_Components[0];
    edited.m_Name = "A2";
    edited.m_RetentionTime = 2.5;
    edited.m_Points.clear();
    EXPECT_TRUE(project.ReplaceComponent(0, edited));
    ASSERT_EQ(project.m_Components.size(), 3u);
    EXPECT_EQ(project.m_Components[1].m_Name, "A2");  // after B, before C
    EXPECT_EQ(project.m_Components[1].m_Id, 1);
    EXPECT_EQ(project.m_Components[1].m_Points.size(), 2u);
    EXPECT_EQ(project.m_LastComponentId, 4);
    EXPECT_EQ(Add(project, "D", 9.0), 5);

    EXPECT_FALSE(project.ReplaceComponent(4, edited));  // no such row
    EXPECT_FALSE(project.ReplaceComponent(-1, edited));
    EXPECT_EQ(project.m_Components.size(), 4u);
    EXPECT_EQ(project.m_LastComponentId, 5);
}

// A file may claim the largest ID there is: the next one wraps round like a 32-bit counter.
TEST(ComponentTable, TheIdCountWrapsRoundInsteadOfOverflowing) {
    CPrjDoc project;
    project.m_LastComponentId = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(Add(project, "A", 1.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(project.m_Components[0].m_Id, std::numeric_limits<std::int32_t>::min());
}

CTzLabDoc PeaksAt(std::initializer_list<double> times) {
    CTzLabDoc doc;
    for (double t : times) {
        PeakRecord p;
        p.m_ApexTime = t;
        p.m_Component = 99;
        p.m_ComponentName = "old";
        doc.m_Peaks.push_back(p);
    }
    return doc;
}

TEST(Identification, TimeBandIncludesItsEdgesAndTakesTheWindowsMagnitude) {
    CPrjDoc project;
    Add(project, "A", 2.0, 0.1);
    Add(project, "B", 2.15, -0.1);  // overlaps A: the first row wins
    Add(project, "C", 5.0, -0.25);
    CTzLabDoc doc = PeaksAt({2.1, 2.2, 2.26, 4.75, 5.3});
    IdentifyPeaks(doc, project);
    EXPECT_EQ(doc.m_Peaks[0].m_ComponentName, "A");  // exactly at t + w
    EXPECT_EQ(doc.m_Peaks[1].m_ComponentName, "B");
    EXPECT_EQ(doc.m_Peaks[2].m_Component, -1);
    EXPECT_EQ(doc.m_Peaks[2].m_ComponentName, "");  // cleared
    EXPECT_EQ(doc.m_Peaks[3].m_Component, project.m_Components[2].m_Id);
    EXPECT_EQ(doc.m_Peaks[4].m_Component, -1);
}

TEST(Identification, RelativeWindowNearestAndElutionOrder) {
    CPrjDoc project;
    Add(project, "A", 2.0, 0.05);  // 1.9 .. 2.1 as a fraction
    Add(project, "B", 4.0, 0.05);  // 3.8 .. 4.2
    Add(project, "C", 6.0, 0.05);
    CTzLabDoc doc = PeaksAt({2.09, 3.85, 5.0, 8.0, 30000.0});

    project.m_IdentMode = kRelativeWindow;
    IdentifyPeaks(doc, project);
    EXPECT_EQ(doc.m_Peaks[0].m_ComponentName, "A");
    EXPECT_EQ(doc.m_Peaks[1].m_ComponentName, "B");
    EXPECT_EQ(doc.m_Peaks[2].m_Component, -1);

    project.m_IdentMode = kNearest;
    IdentifyPeaks(doc, project);
    EXPECT_EQ(doc.m_Peaks[2].m_ComponentName, "B");  // 1.0 from B and from C: the earlier row
    EXPECT_EQ(doc.m_Peaks[3].m_ComponentName, "C");
    EXPECT_EQ(doc.m_Peaks[4].m_Component, -1);  // 29994 away: beyond 9999.99

    project.m_IdentMode = kElutionOrder;
    IdentifyPeaks(doc, project);
    EXPECT_EQ(doc.m_Peaks[0].m_ComponentName, "A");
    EXPECT_EQ(doc.m_Peaks[2].m_ComponentName, "C");
    EXPECT_EQ(doc.m_Peaks[3].m_Component, -1);
    EXPECT_EQ(doc.m_Peaks[4].m_Component, -1);

    project.m_IdentMode = 4;  // no such mode: nothing is identified
    IdentifyPeaks(doc, project);
    for (const auto& p : doc.m_Peaks)
        EXPECT_EQ(p.m_Component, -1);

    CPrjDoc empty;
    empty.m_IdentMode = kNearest;
    IdentifyPeaks(doc, empty);
    EXPECT_EQ(doc.m_Peaks[0].m_Component, -1);
}

}  // namespace
}  // namespace lx
