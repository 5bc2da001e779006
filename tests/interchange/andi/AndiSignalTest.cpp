// The arithmetic that turns another system's signal into whole microvolts at a whole rate,
// against hand-worked cases.
#include <gtest/gtest.h>

#include <cstdlib>

#include "interchange/andi/AndiSignal.h"
#include "interchange/andi/AndiTime.h"

namespace lx {
namespace {

TEST(AndiSignal, UnitsAndScales) {
    EXPECT_EQ(MicrovoltsPerUnit("uV"), 1.0);
    EXPECT_EQ(MicrovoltsPerUnit("\xc2\xb5V"), 1.0);  // micro sign
    EXPECT_EQ(MicrovoltsPerUnit("Microvolts"), 1.0);
    EXPECT_EQ(MicrovoltsPerUnit("mV"), 1000.0);
    EXPECT_EQ(MicrovoltsPerUnit("Volts"), 1e6);
    EXPECT_EQ(MicrovoltsPerUnit("mAU"), std::nullopt);

    const std::vector<double> millivolts{1.5, -2.0};
    EXPECT_EQ(OrdinateScale("mV", millivolts), 1000.0);
    // 3 V in uV is past the detector's 2.5 V: one decade down.
    EXPECT_DOUBLE_EQ(OrdinateScale("uV", std::vector<double>{3e6}), 0.1);
    // Absorbance up to 1.5 AU: 1.5 x 10^6 fits 2,500,000, 1.5 x 10^7 does not.
    EXPECT_EQ(OrdinateScale("AU", std::vector<double>{0.2, 1.5}), 1e6);
    EXPECT_EQ(OrdinateScale(std::nullopt, std::vector<double>{0, 0}), 1.0);

    // Halves away from zero.
    EXPECT_EQ(RoundToMicrovolts(std::vector<double>{1.5, -1.5, 2.4999, 0.0004}, 1.0),
              (std::vector<std::int32_t>{2, -2, 2, 0}));
}

TEST(AndiSignal, RatesAndResampling) {
    EXPECT_EQ(WholeRate(0.05f), 20);  // the float nearest 1/20
    EXPECT_EQ(WholeRate(0.1), 10);
    EXPECT_EQ(WholeRate(1.0), 1);
    EXPECT_EQ(WholeRate(0.3), std::nullopt);     // 3.33 a second
    EXPECT_EQ(WholeRate(2.0), std::nullopt);     // half a sample a second
    EXPECT_EQ(WholeRate(0.0001), std::nullopt);  // 10000 a second, beyond the workstation
    EXPECT_EQ(WholeRate(0.0), std::nullopt);
    EXPECT_EQ(WholeRate(0.0501), std::nullopt);

    // 0, 10, 20, 30 every 0.3 s read every 0.2 s: 0.9 s makes ticks 0 .. 0.8.
    const std::vector<double> source{0, 10, 20, 30};
    EXPECT_EQ(ResampledCount(4, 0.3, 5), 5);
    const std::vector<double> out = Resample(source, 0.3, 5);
    ASSERT_EQ(out.size(), 5u);
    const double expected[] = {0, 20.0 / 3, 40.0 / 3, 20, 80.0 / 3};
    for (std::size_t j = 0; j < 5; ++j)
        EXPECT_NEAR(out[j], expected[j], 1e-9) << j;
    EXPECT_EQ(ResampledCount(0, 0.3, 5), 0);
    EXPECT_EQ(Resample(std::vector<double>{7}, 0.3, 5), std::vector<double>{7});
}

TEST(AndiTime, StampsCarryTheirOffset) {
    EXPECT_EQ(ParseAndiTimeStamp("20230908200501+0200"), 1694196301);
    EXPECT_EQ(ParseAndiTimeStamp("20230908130501-0500"), 1694196301);
    EXPECT_EQ(ParseAndiTimeStamp(std::string("20230908180501+0000\0", 20)), 1694196301);
    for (const char* bad : {"2023", "20231308200501+0200", "2023090820050X+0200",
                            "20230908200501*0200", "20230908200501+9900", "99991231235959+0000"})
        EXPECT_EQ(ParseAndiTimeStamp(bad), std::nullopt) << bad;

    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "America/New_York", 1);
    tzset();
    EXPECT_EQ(AndiTimeStamp(1694196301), "20230908140501-0400");  // daylight saving time
    EXPECT_EQ(ParseAndiTimeStamp("20230908140501"), 1694196301);  // no offset: local time
    old ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
    tzset();
}

}  // namespace
}  // namespace lx
