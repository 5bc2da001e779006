// ANDI/AIA files as other systems write them (made here by ncgen from CDL), and the workstation's
// own files, read as chromatograms.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "interchange/andi/AndiExport.h"
#include "interchange/andi/AndiImport.h"
#include "peaks/Integration.h"
#include "tests/interchange/andi/AndiTestFiles.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/SpeakLanguage.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

// A peak table as another data system writes it: times in minutes, double ordinates in mV,
// names, amounts in ppm, the second peak integrated by hand.
const char* kMinutesCdl = R"(netcdf minutes {
dimensions:
	_32_byte_string = 32 ;
	point_number = 11 ;
	peak_number = 2 ;
variables:
	float actual_run_time_length ;
	float actual_sampling_interval ;
	float actual_delay_time ;
	double ordinate_values(point_number) ;
		ordinate_values:uniform_sampling_flag = "Y" ;
	float peak_retention_time(peak_number) ;
	float peak_start_time(peak_number) ;
	float peak_end_time(peak_number) ;
	float peak_area(peak_number) ;
	float peak_height(peak_number) ;
	char peak_name(peak_number, _32_byte_string) ;
	float peak_amount(peak_number) ;
	short manually_reintegrated_peaks(peak_number) ;
		:dataset_completeness = "C1+C2" ;
		:aia_template_revision = "1.0" ;
		:netcdf_revision = "2.3" ;
		:injection_date_time_stamp = "20230908200501+0200" ;
		:sample_name = "Benzene std" ;
		:operator_name = "Rob" ;
		:detector_unit = "mV" ;
		:retention_unit = "minutes" ;
		:peak_amount_unit = "ppm" ;
		:sample_injection_volume = 1.5f ;
data:
 actual_run_time_length = 0.01666667 ;
 actual_sampling_interval = 0.001666666667 ;
 actual_delay_time = 0 ;
 ordinate_values = 0.001, 0.0024, 0.5, 1.5004, 0.6, 0.0, 0.2, 0.9, 0.3, 0.0011, -0.0004 ;
 peak_retention_time = 0.005, 0.011666667 ;
 peak_start_time = 0.001666667, 0.008333333 ;
 peak_end_time = 0.008333333, 0.015 ;
 peak_area = 0.2, 0.1 ;
 peak_height = 1.5, 0.9 ;
 peak_name = "苯", "toluene" ;
 peak_amount = 12.5, 3.25 ;
 manually_reintegrated_peaks = 0, 1 ;
}
)";

// The least a file can be: milliseconds, short integers, none of the optional variables.
const char* kBareCdl = R"(netcdf bare {
dimensions:
	point_number = 5 ;
variables:
	float actual_sampling_interval ;
	short ordinate_values(point_number) ;
		:retention_unit = "milliseconds" ;
data:
 actual_sampling_interval = 50 ;
 ordinate_values = 10, 20, -30, 250, 0 ;
}
)";

// Four points in uV at 20 a second; the refusals below change one thing in it each.
const char* kPlainCdl = R"(netcdf plain {
dimensions:
	point_number = 4 ;
variables:
	float actual_sampling_interval ;
	float actual_delay_time ;
	float ordinate_values(point_number) ;
		ordinate_values:uniform_sampling_flag = "Y" ;
		:retention_unit = "seconds" ;
		:detector_unit = "uV" ;
data:
 actual_sampling_interval = 0.05 ;
 actual_delay_time = 0 ;
 ordinate_values = 1, 2, 3, 4 ;
}
)";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::vector<std::int32_t> Samples(const CTzLabDoc& doc) {
    return {doc.m_Samples.begin(), doc.m_Samples.end()};
}

class AndiImport : public ::testing::Test {
protected:
    Result<CTzLabDoc> Import(const std::string& path, AndiImportOptions options = {}) {
        return ImportAndiFile(path, options, prompter);
    }
    // The refusal of a file made from `cdl`, in English.
    std::string Refusal(const std::string& cdl, AndiImportOptions options = {}) {
        const std::string path = test::Ncgen(dir, "refused.cdf", cdl);
        test::SpeakLanguage english(Language::English);
        auto doc = Import(path, options);
        EXPECT_FALSE(doc.ok());
        return doc.ok() ? std::string() : doc.error();
    }
    test::TempDir dir;
    test::ScriptedPrompter prompter;
};

TEST_F(AndiImport, OwnFilesComeBackWithEverySampleTheRateTheTextsAndThePeakTable) {
    const CTzLabDoc original = test::SampleRun();
    const std::string path = dir.Path("own.cdf");
    ASSERT_TRUE(ExportAndiFile(original, path).ok());
    auto back = Import(path, {.keepPeaks = true, .rate = {}});
    ASSERT_TRUE(back.ok()) << back.error();
    const CTzLabDoc& doc = back.value();
    EXPECT_EQ(Samples(doc), Samples(original));
    EXPECT_EQ(doc.m_ChannelSetup.rate, 20);
    EXPECT_EQ(doc.m_SampleName, original.m_SampleName);
    EXPECT_EQ(doc.m_Operator, original.m_Operator);
    EXPECT_EQ(doc.m_Laboratory, original.m_Laboratory);
    EXPECT_EQ(doc.m_Notes, original.m_Notes);  // nothing had to be noted
    EXPECT_EQ(doc.m_InjectVolume, original.m_InjectVolume);
    EXPECT_EQ(doc.m_CreatedAt, original.m_CreatedAt);

    ASSERT_EQ(doc.m_Peaks.size(), original.m_Peaks.size());
    for (std::size_t k = 0; k < doc.m_Peaks.size(); ++k) {
        const PeakRecord &p = doc.m_Peaks[k], &o = original.m_Peaks[k];
        SCOPED_TRACE(k);
        // Indices and microvolts are exact in the file's floats; times at a sample come back
        // to the double they were.
        EXPECT_EQ(p.m_Number, o.m_Number);
        EXPECT_EQ(p.m_Start, o.m_Start);
        EXPECT_EQ(p.m_Apex, o.m_Apex);
        EXPECT_EQ(p.m_End, o.m_End);
        EXPECT_EQ(p.m_BaseStart, o.m_BaseStart);
        EXPECT_EQ(p.m_BaseEnd, o.m_BaseEnd);
        EXPECT_EQ(p.m_StartValue, o.m_StartValue);
        EXPECT_EQ(p.m_ApexValue, o.m_ApexValue);
        EXPECT_EQ(p.m_EndValue, o.m_EndValue);
        EXPECT_EQ(p.m_BaseStartValue, o.m_BaseStartValue);
        EXPECT_EQ(p.m_BaseEndValue, o.m_BaseEndValue);
        EXPECT_EQ(p.m_ApexTime, o.m_ApexTime);
        EXPECT_EQ(p.m_HalfWidthTime, o.m_HalfWidthTime);
        EXPECT_EQ(p.m_ComponentName, o.m_ComponentName);
        EXPECT_EQ(p.m_Tailing, o.m_Tailing);
        EXPECT_EQ(p.m_Plates, o.m_Plates);
        // The standard holds these as floats: 24 bits of mantissa.
        EXPECT_NEAR(p.m_Area, o.m_Area, std::fabs(o.m_Area) * 1e-7);
        EXPECT_NEAR(p.m_Height, o.m_Height, std::fabs(o.m_Height) * 1e-7);
        EXPECT_NEAR(p.m_AreaPercent, o.m_AreaPercent, std::fabs(o.m_AreaPercent) * 1e-7);
        EXPECT_NEAR(p.m_Content, o.m_Content, std::fabs(o.m_Content) * 1e-7);
        EXPECT_EQ(p.m_Flags & (kStartsInValley | kEndsInValley),
                  o.m_Flags & (kStartsInValley | kEndsInValley));
    }

    // Without --keep-peaks the run is integrated with the default parameters, which is how the
    // original was integrated.
    auto integrated = Import(path);
    ASSERT_TRUE(integrated.ok()) << integrated.error();
    ASSERT_EQ(integrated->m_Peaks.size(), original.m_Peaks.size());
    for (std::size_t k = 0; k < original.m_Peaks.size(); ++k)
        EXPECT_EQ(integrated->m_Peaks[k].m_Area, original.m_Peaks[k].m_Area) << k;
}

TEST_F(AndiImport, AnotherSystemsMinutesMillivoltsAndPeakTable) {
    const std::string path = test::Ncgen(dir, "minutes.cdf", kMinutesCdl);
    auto read = Import(path, {.keepPeaks = true, .rate = {}});
    ASSERT_TRUE(read.ok()) << read.error();
    const CTzLabDoc& doc = read.value();
    // 0.1 s apart: 10 a second. mV x 1000, rounded to whole uV.
    EXPECT_EQ(doc.m_ChannelSetup.rate, 10);
    EXPECT_EQ(Samples(doc),
              (std::vector<std::int32_t>{1, 2, 500, 1500, 600, 0, 200, 900, 300, 1, 0}));
    EXPECT_EQ(doc.m_SampleName, "Benzene std");
    EXPECT_EQ(doc.m_Operator, "Rob");
    EXPECT_EQ(doc.m_InjectVolume, "1.5");
    EXPECT_EQ(doc.m_CreatedAt, 1694196301);  // 2023-09-08 18:05:01 UTC

    ASSERT_EQ(doc.m_Peaks.size(), 2u);
    const PeakRecord &a = doc.m_Peaks[0], &b = doc.m_Peaks[1];
    EXPECT_EQ(a.m_ComponentName, "苯");
    EXPECT_EQ(b.m_ComponentName, "toluene");
    EXPECT_EQ(a.m_Start, 1);
    EXPECT_EQ(a.m_Apex, 3);
    EXPECT_EQ(a.m_End, 5);
    EXPECT_EQ(b.m_Start, 5);
    EXPECT_EQ(b.m_End, 9);
    EXPECT_EQ(a.m_ApexTime, 0.005);
    EXPECT_EQ(a.m_ApexValue, 1500);
    EXPECT_EQ(a.m_BaseStartValue, 2);  // no baseline values: the signal at the start
    // 0.2 mV x min = 12000 uV x s = 1,200,000 x 0.1 uV x sample at 10 a second.
    EXPECT_NEAR(a.m_Area, 1.2e6, 1.2e6 * 1e-7);
    EXPECT_EQ(a.m_Height, 1500);
    EXPECT_NEAR(a.m_AreaPercent, 200.0 / 3, 1e-4);
    EXPECT_EQ(a.m_Content, 12.5);
    EXPECT_EQ(b.m_Content, 3.25);
    // The two share the valley at sample 5.
    EXPECT_EQ(a.m_GroupSize, 2);
    EXPECT_EQ(b.m_GroupSize, 0);
    EXPECT_EQ(a.m_Flags, kEndsInValley);
    EXPECT_EQ(b.m_Flags, kStartsInValley);
    // What the record has no field for is in the notes.
    EXPECT_NE(doc.m_Notes.find("mV"), std::string::npos) << doc.m_Notes;
    EXPECT_NE(doc.m_Notes.find("1000"), std::string::npos) << doc.m_Notes;
    EXPECT_NE(doc.m_Notes.find("ppm"), std::string::npos) << doc.m_Notes;
    EXPECT_NE(doc.m_Notes.find("峰 2 为手动积分"), std::string::npos) << doc.m_Notes;
}

TEST_F(AndiImport, BareSixtyFourBitOffsetFileInMilliseconds) {
    const std::string path = test::Ncgen(dir, "bare.cdf", kBareCdl, "2");
    const std::vector<std::uint8_t> bytes = test::ReadBytes(path);
    ASSERT_EQ(std::string(bytes.begin(), bytes.begin() + 4), std::string("CDF\x02", 4));
    auto read = Import(path, {.keepPeaks = true, .rate = {}});
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read->m_ChannelSetup.rate, 20);
    // No unit: the largest power of ten that keeps 250 within 2,500,000 uV.
    EXPECT_EQ(Samples(read.value()),
              (std::vector<std::int32_t>{100000, 200000, -300000, 2500000, 0}));
    EXPECT_TRUE(read->m_Peaks.empty());  // the file has no table to keep
    EXPECT_NE(read->m_Notes.find("10000"), std::string::npos) << read->m_Notes;
    EXPECT_NE(read->m_Notes.find("进样时间"), std::string::npos) << read->m_Notes;
}

TEST_F(AndiImport, ADelayedStartCountsFromTheFirstPointAndIsNoted) {
    const std::string cdl =
        Replaced(Replaced(kPlainCdl, "actual_delay_time = 0", "actual_delay_time = 2"),
                 "float ordinate_values(point_number) ;",
                 "float ordinate_values(point_number) ;\n\tfloat "
                 "peak_retention_time(peak_number) ;\n\tfloat "
                 "peak_start_time(peak_number) ;\n\tfloat "
                 "peak_end_time(peak_number) ;\n\tfloat "
                 "peak_area(peak_number) ;\n\tfloat peak_height(peak_number) ;");
    const std::string withPeaks =
        Replaced(Replaced(cdl, "point_number = 4 ;", "point_number = 4 ;\n\tpeak_number = 1 ;"),
                 "ordinate_values = 1, 2, 3, 4 ;",
                 "ordinate_values = 1, 2, 3, 4 ;\n peak_retention_time = 2.1 ;\n peak_start_time = "
                 "2.05 ;\n peak_end_time = 2.15 ;\n peak_area = 0.5 ;\n peak_height = 3 ;");
    auto read = Import(test::Ncgen(dir, "delay.cdf", withPeaks), {.keepPeaks = true, .rate = {}});
    ASSERT_TRUE(read.ok()) << read.error();
    ASSERT_EQ(read->m_Peaks.size(), 1u);
    // 2.1 s after injection is 0.1 s after the first point: sample 2 at 20 a second.
    EXPECT_EQ(read->m_Peaks[0].m_Apex, 2);
    EXPECT_EQ(read->m_Peaks[0].m_Start, 1);
    EXPECT_EQ(read->m_Peaks[0].m_End, 3);
    EXPECT_NE(read->m_Notes.find("2 秒"), std::string::npos) << read->m_Notes;
}

TEST_F(AndiImport, AnIntervalThatIsNoWholeRateIsResampledOnlyWhenAsked) {
    const std::string cdl =
        Replaced(kPlainCdl, "actual_sampling_interval = 0.05", "actual_sampling_interval = 0.3");
    EXPECT_NE(Refusal(cdl).find("--rate"), std::string::npos);
    auto read = Import(test::Ncgen(dir, "slow.cdf", cdl), {.keepPeaks = false, .rate = 5});
    ASSERT_TRUE(read.ok()) << read.error();
    // Ticks every 0.2 s over 0.9 s: points 0, 2/3, 4/3, 2 and 8/3 of the source.
    EXPECT_EQ(Samples(read.value()), (std::vector<std::int32_t>{1, 2, 2, 3, 4}));
    EXPECT_EQ(read->m_ChannelSetup.rate, 5);
    EXPECT_NE(read->m_Notes.find("3.33333"), std::string::npos) << read->m_Notes;
}

TEST_F(AndiImport, FilesItCannotTakeAreRefusedWithTheirReason) {
    EXPECT_NE(Refusal(Replaced(kPlainCdl, "uniform_sampling_flag = \"Y\"",
                               "uniform_sampling_flag = \"N\""))
                  .find("uniform_sampling_flag = N"),
              std::string::npos);
    EXPECT_NE(Refusal(Replaced(kPlainCdl, "\"seconds\"", "\"hours\"")).find("\"hours\""),
              std::string::npos);
    EXPECT_NE(Refusal(Replaced(kPlainCdl, ":retention_unit = \"seconds\" ;", ""))
                  .find("has no retention_unit"),
              std::string::npos);
    // Wrong types: text where numbers belong.
    EXPECT_NE(Refusal(Replaced(Replaced(kPlainCdl, "float ordinate_values", "char ordinate_values"),
                               "1, 2, 3, 4", "\"abcd\""))
                  .find("ordinate_values has the wrong type"),
              std::string::npos);
    EXPECT_NE(
        Refusal(Replaced(Replaced(kPlainCdl, "float actual_sampling_interval ;",
                                  "char actual_sampling_interval ;"),
                         "actual_sampling_interval = 0.05", "actual_sampling_interval = \"x\""))
            .find("actual_sampling_interval has the wrong type"),
        std::string::npos);
    // Missing variables.
    EXPECT_NE(
        Refusal(
            Replaced(Replaced(Replaced(kPlainCdl, "\tfloat ordinate_values(point_number) ;\n", ""),
                              "\t\tordinate_values:uniform_sampling_flag = \"Y\" ;\n", ""),
                     " ordinate_values = 1, 2, 3, 4 ;\n", ""))
            .find("has no ordinate_values"),
        std::string::npos);
    // A peak table without areas cannot be kept.
    const std::string partial = Replaced(
        Replaced(
            Replaced(kPlainCdl, "point_number = 4 ;", "point_number = 4 ;\n\tpeak_number = 1 ;"),
            "float actual_delay_time ;",
            "float actual_delay_time ;\n\tfloat peak_retention_time(peak_number) ;"),
        "actual_delay_time = 0 ;", "actual_delay_time = 0 ;\n peak_retention_time = 0.1 ;");
    EXPECT_NE(Refusal(partial, {.keepPeaks = true, .rate = {}}).find("has no peak_start_time"),
              std::string::npos);
}

}  // namespace
}  // namespace lx
