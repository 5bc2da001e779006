// What the records' field lists give besides storing and loading (which the chromatogram file
// tests check against hand-made bytes): equality of stored fields, the comparison that names the
// first differing field, and the minimum sizes that guard stored counts.
#include <gtest/gtest.h>

#include "core/ArchiveFields.h"
#include "core/CTzLabDoc.h"
#include "tests/support/HandMadeTzd.h"
#include "tests/support/SameFields.h"

namespace lx {
namespace {

using test::HandMadeRecord;
using test::SameFields;

// The message of a failed comparison, or "" when the records are the same.
std::string Difference(const CTzLabDoc& expected, const CTzLabDoc& actual) {
    auto result = SameFields(expected, actual);
    return result ? std::string() : std::string(result.message());
}

TEST(FieldList, RecordsAreEqualWhenEveryStoredFieldIs) {
    const CTzLabDoc a = HandMadeRecord();
    CTzLabDoc b = HandMadeRecord();
    b.m_PathName = "elsewhere.Tzd";  // not stored
    b.m_SelectedPeak = 0;
    EXPECT_TRUE(a == b);
    EXPECT_EQ(Difference(a, b), "");

    // A placeholder deep inside a list counts as much as any field.
    b.m_ManualEvents[0].m_Peak.m_Extra7 += 1;
    EXPECT_FALSE(a == b);
    b = HandMadeRecord();
    b.m_Samples.SetAt(2, 0);
    EXPECT_FALSE(a == b);
    b = HandMadeRecord();
    b.m_Version = 2.0f;
    EXPECT_FALSE(a == b);
}

TEST(FieldList, AComparisonNamesTheFirstFieldThatDiffers) {
    const CTzLabDoc a = HandMadeRecord();
    CTzLabDoc b = HandMadeRecord();
    b.m_Peaks[0].m_Extra3 = -1.25;
    EXPECT_NE(Difference(a, b).find("m_Peaks[0].m_Extra3: "), std::string::npos)
        << Difference(a, b);
    EXPECT_NE(Difference(a, b).find("-1.25"), std::string::npos) << Difference(a, b);

    b = HandMadeRecord();
    b.m_PrintSettings.extraFontB.faceName = "Courier";
    b.m_PrintSettings.extraFontB.charSet = 0;
    // faceName comes last in a font, so the character set is named.
    EXPECT_NE(Difference(a, b).find("printSettings.extraFontB.charSet: 134 vs 0"),
              std::string::npos)
        << Difference(a, b);

    b = HandMadeRecord();
    b.m_PrintSettings.gcInfoList.push_back({"Oven", "", 1});
    EXPECT_NE(Difference(a, b).find("printSettings.gcInfoList: 1 items vs 2"), std::string::npos)
        << Difference(a, b);

    b = HandMadeRecord();
    b.m_Samples.SetAt(1, 7);
    EXPECT_NE(Difference(a, b).find("m_Samples[1]: -5 vs 7"), std::string::npos)
        << Difference(a, b);

    // In file order the operator comes long before the third concentration.
    b = HandMadeRecord();
    b.m_IsConc3 = 9.0;
    b.m_Operator = "Zhang";
    EXPECT_NE(Difference(a, b).find("m_Operator: "), std::string::npos) << Difference(a, b);
    EXPECT_EQ(Difference(a, b).find("m_IsConc3"), std::string::npos) << Difference(a, b);
}

TEST(FieldList, MinimumStoredSizesAreThoseOfTheLayoutTables) {
    EXPECT_EQ(MinStoredSize<TimeProgramEntry>(), 24u);
    EXPECT_EQ(MinStoredSize<IntegrationParams>(), 88u);
    EXPECT_EQ(MinStoredSize<ChannelSetup>(), 116u + 3);     // numbers and three strings
    EXPECT_EQ(MinStoredSize<PeakRecord>(), 136u + 1 + 52);  // around the component name
    EXPECT_EQ(MinStoredSize<ManualEvent>(), 12u + 136 + 1 + 52 + 8);
    EXPECT_EQ(MinStoredSize<LogFont>(), 20u + 8 + 1);  // integers, bytes, face name
    EXPECT_EQ(MinStoredSize<InstrumentInfoItem>(), 1u + 1 + 4);
}

}  // namespace
}  // namespace lx
