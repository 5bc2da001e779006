// The program's settings in a real settings file: defaults of a fresh installation, every key
// back as stored, the 16-byte margins block, and values that are not ours.
#include <gtest/gtest.h>

#include "app/AppSettings.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

class AppSettingsTest : public ::testing::Test {
protected:
    test::TempDir dir;
    QSettings store{QString::fromStdString(dir.Path("lx6600.ini")), QSettings::IniFormat};
};

TEST_F(AppSettingsTest, AFreshInstallationHasTheDefaults) {
    const AppSettings s = LoadAppSettings(store);
    EXPECT_EQ(s, AppSettings());
    EXPECT_EQ(s.frequency, 20);
    EXPECT_EQ(s.display.viewMark, 68);
    EXPECT_EQ(s.display.trace, (Rgb{255, 0, 0}));           // 0x0000FF is red
    EXPECT_EQ(s.display.background, (Rgb{255, 251, 240}));  // 0xF0FBFF
    EXPECT_TRUE(s.display.showBaselines);
    EXPECT_FALSE(s.display.viewAllPeaks);
    EXPECT_EQ(s.pageMargins, (std::array<std::int32_t, 4>{720, 720, 720, 720}));
}

TEST_F(AppSettingsTest, EveryKeyComesBackAsStored) {
    AppSettings s;
    s.port = 3;
    s.frequency = 10;
    s.display.background = {1, 2, 3};
    s.display.trace = {250, 0, 7};
    s.display.labels = {9, 9, 9};
    s.display.viewMark = 0x7F;
    s.display.verticalLabels = true;
    s.display.showBaselines = false;
    s.display.viewAllPeaks = true;
    s.display.screenColumns.plates = false;
    s.display.screenColumns.percent = false;
    s.sysPoint = 9;
    s.pkType = 0;
    s.pageMargins = {100, 200, 300, 1440};
    SaveAppSettings(s, store);

    QSettings reopened(store.fileName(), QSettings::IniFormat);
    EXPECT_EQ(LoadAppSettings(reopened), s);
    reopened.beginGroup("Settings");
    EXPECT_EQ(reopened.value("BkgndRGB").toInt(), 0x030201);  // 0x00BBGGRR
    EXPECT_EQ(reopened.value("m_PrintLRTB").toInt(), 0);
    EXPECT_EQ(reopened.value("szPageMargin").toByteArray(),
              QByteArray("\x64\x00\x00\x00\xc8\x00\x00\x00\x2c\x01\x00\x00\xa0\x05\x00\x00", 16));
}

TEST_F(AppSettingsTest, ValuesThatAreNotOursKeepTheDefaults) {
    store.beginGroup("Settings");
    store.setValue("frequency", "fast");
    store.setValue("port", 1LL << 40);
    store.setValue("ViewMark", 4);
    store.setValue("szPageMargin", QByteArray(12, '\x01'));  // a margins block is 16 bytes
    store.endGroup();
    const AppSettings s = LoadAppSettings(store);
    EXPECT_EQ(s.frequency, 20);
    EXPECT_EQ(s.port, 0);
    EXPECT_EQ(s.display.viewMark, 4);
    EXPECT_EQ(s.pageMargins, (std::array<std::int32_t, 4>{720, 720, 720, 720}));
}

}  // namespace
}  // namespace lx
