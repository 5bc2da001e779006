// Chromatograms written as ANDI/AIA files, read back with ncdump and the netCDF library.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <regex>

#include "interchange/andi/AndiExport.h"
#include "interchange/andi/AndiImport.h"
#include "peaks/ManualEvents.h"
#include "tests/interchange/andi/AndiTestFiles.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

// The stamps are local time with its offset: pinned to one zone for the life of a test.
class InZone {
public:
    explicit InZone(const char* zone) {
        const char* old = std::getenv("TZ");
        m_Old = old ? old : "";
        m_Had = old != nullptr;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~InZone() {
        m_Had ? setenv("TZ", m_Old.c_str(), 1) : unsetenv("TZ");
        tzset();
    }

private:
    std::string m_Old;
    bool m_Had = false;
};

class AndiExport : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.Path("run.cdf");
    CTzLabDoc doc = test::SampleRun();
};

TEST_F(AndiExport, IsClassicNetCdfWithTheStandardsVariablesAndAttributes) {
    InZone zone("Asia/Shanghai");
    ASSERT_TRUE(doc.m_Peaks.size() >= 2);
    ASSERT_TRUE(ExportAndiFile(doc, path).ok());
    const std::vector<std::uint8_t> bytes = test::ReadBytes(path);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), std::string("CDF\x01", 4));

    const std::string header = test::NcdumpHeader(path);
    for (const std::string& line :
         {"point_number = " + std::to_string(doc.m_Samples.size()) + " ;",
          "peak_number = " + std::to_string(doc.m_Peaks.size()) + " ;",
          std::string("float detector_maximum_value ;"),
          std::string("float detector_minimum_value ;"),
          std::string("float actual_run_time_length ;"),
          std::string("float actual_sampling_interval ;"),
          std::string("float actual_delay_time ;"),
          std::string("float ordinate_values(point_number) ;"),
          std::string("ordinate_values:uniform_sampling_flag = \"Y\" ;"),
          std::string("float peak_retention_time(peak_number) ;"),
          std::string("float peak_start_time(peak_number) ;"),
          std::string("float peak_end_time(peak_number) ;"),
          std::string("float peak_width(peak_number) ;"),
          std::string("float peak_area(peak_number) ;"),
          std::string("float peak_height(peak_number) ;"),
          std::string("float baseline_start_time(peak_number) ;"),
          std::string("float baseline_start_value(peak_number) ;"),
          std::string("float baseline_stop_time(peak_number) ;"),
          std::string("float baseline_stop_value(peak_number) ;"),
          std::string("char peak_name(peak_number, _32_byte_string) ;"),
          std::string("float peak_amount(peak_number) ;"),
          std::string("short manually_reintegrated_peaks(peak_number) ;"),
          std::string(":dataset_completeness = \"C1+C2\" ;"),
          std::string(":aia_template_revision = \"1.0\" ;"),
          std::string(":netcdf_revision = \""),
          std::string(":injection_date_time_stamp = \"20231115061320+0800\" ;"),
          std::string(":dataset_date_time_stamp = \""),
          std::string(":sample_name = \"苯系物 标样 1\" ;"),
          std::string(":operator_name = \"张三\" ;"),
          std::string(":dataset_owner = \"质检中心\" ;"),
          std::string(":retention_unit = \"seconds\" ;"),
          std::string(":detector_unit = \"uV\" ;"),
          std::string(":peak_amount_unit = \"area fraction\" ;")})
        EXPECT_NE(header.find(line), std::string::npos) << line << "\n" << header;
    EXPECT_TRUE(std::regex_match(test::ReadText(path, nullptr, "dataset_date_time_stamp"),
                                 std::regex("[0-9]{14}\\+0800")));
}

TEST_F(AndiExport, HoldsTheSamplesAndTheTableInSecondsAndMicrovolts) {
    ASSERT_TRUE(ExportAndiFile(doc, path).ok());
    const std::vector<double> ordinates = test::ReadVariable(path, "ordinate_values");
    ASSERT_EQ(ordinates.size(), doc.m_Samples.size());
    for (std::size_t i = 0; i < ordinates.size(); ++i)
        ASSERT_EQ(ordinates[i], doc.m_Samples.At(static_cast<std::ptrdiff_t>(i))) << i;

    // 20 samples a second; the points lie from the delay to the run length.
    const double interval = 0.05f;
    EXPECT_EQ(test::ReadVariable(path, "actual_sampling_interval")[0], interval);
    EXPECT_EQ(test::ReadVariable(path, "actual_delay_time")[0], 0.0);
    EXPECT_EQ(test::ReadVariable(path, "actual_run_time_length")[0],
              static_cast<float>((doc.m_Samples.size() - 1) * interval));
    EXPECT_EQ(test::ReadVariable(path, "detector_maximum_value")[0], 2500000.0);
    EXPECT_EQ(test::ReadVariable(path, "detector_minimum_value")[0], -2500000.0);

    const auto retention = test::ReadVariable(path, "peak_retention_time");
    const auto start = test::ReadVariable(path, "peak_start_time");
    const auto area = test::ReadVariable(path, "peak_area");
    const auto height = test::ReadVariable(path, "peak_height");
    const auto baseStop = test::ReadVariable(path, "baseline_stop_value");
    const auto amount = test::ReadVariable(path, "peak_amount");
    const auto manual = test::ReadVariable(path, "manually_reintegrated_peaks");
    ASSERT_EQ(retention.size(), doc.m_Peaks.size());
    for (std::size_t k = 0; k < doc.m_Peaks.size(); ++k) {
        const PeakRecord& p = doc.m_Peaks[k];
        EXPECT_EQ(retention[k], static_cast<float>(p.m_ApexTime * 60)) << k;
        EXPECT_EQ(start[k], static_cast<float>(p.m_Start / 20.0)) << k;
        // 0.1 uV x sample at 20 samples a second is 0.005 uV x s.
        EXPECT_EQ(area[k], static_cast<float>(p.m_Area * 0.005)) << k;
        EXPECT_EQ(height[k], static_cast<float>(p.m_Height)) << k;
        EXPECT_EQ(baseStop[k], p.m_BaseEndValue) << k;
        EXPECT_EQ(amount[k], static_cast<float>(p.m_Content)) << k;
        EXPECT_EQ(manual[k], 0) << k;
    }
    // Names fill their row, the rest NUL.
    const std::string names = test::ReadChars(path, "peak_name");
    ASSERT_EQ(names.size(), doc.m_Peaks.size() * 32);
    EXPECT_EQ(names.substr(0, 7), std::string("甲苯\0", 7));
    EXPECT_EQ(names.substr(32, 32), std::string(32, '\0'));
}

TEST_F(AndiExport, MarksThePeaksTheOperatorIntegratedByHand) {
    // A lone peak, so moving its end changes no neighbour.
    const auto lone = std::find_if(doc.m_Peaks.begin(), doc.m_Peaks.end(), [](auto& p) {
        return p.m_GroupSize == 1 && p.m_Flags == 0 && p.m_End - p.m_Apex > 8;
    });
    ASSERT_NE(lone, doc.m_Peaks.end());
    const auto k = static_cast<std::size_t>(lone - doc.m_Peaks.begin());
    test::ScriptedPrompter prompter;
    ASSERT_TRUE(EditPeaks(doc, prompter, kEventMoveEnd, lone->m_End - 4, static_cast<int>(k)));
    const std::vector<bool> manual = ManuallyReintegrated(doc);
    ASSERT_EQ(manual.size(), doc.m_Peaks.size());
    for (std::size_t i = 0; i < manual.size(); ++i)
        EXPECT_EQ(manual[i], i == k) << i;
    ASSERT_TRUE(ExportAndiFile(doc, path).ok());
    const std::vector<double> flags = test::ReadVariable(path, "manually_reintegrated_peaks");
    EXPECT_EQ(std::count(flags.begin(), flags.end(), 1.0), 1);
    EXPECT_EQ(flags.at(k), 1.0);
}

TEST_F(AndiExport, EmptyRunsAndLongNamesFitTheFormat) {
    // No points: the record dimension with no records, and no peak table at all.
    CTzLabDoc empty;
    ASSERT_TRUE(ExportAndiFile(empty, path).ok());
    std::string header = test::NcdumpHeader(path);
    EXPECT_NE(header.find("point_number = UNLIMITED ; // (0 currently)"), std::string::npos)
        << header;
    EXPECT_EQ(header.find("peak_number"), std::string::npos) << header;
    test::ScriptedPrompter prompter;
    auto back = ImportAndiFile(path, {}, prompter);
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_TRUE(back->m_Samples.empty());

    // A name longer than the standard widths gets a width of its own instead of being cut.
    doc.m_Peaks[0].m_ComponentName = std::string(300, 'x');
    ASSERT_TRUE(ExportAndiFile(doc, path).ok());
    header = test::NcdumpHeader(path);
    EXPECT_NE(header.find("_300_byte_string = 300 ;"), std::string::npos) << header;
}

}  // namespace
}  // namespace lx
