// The additions' own settings file: defaults when it is missing or damaged, a round trip, and
// TAMURIK.INI never touched.

#include "core/settings_file.h"
#include "tests/core/temp_dir.h"
#include "ui/additions_settings.h"

#include <gtest/gtest.h>

namespace tamurik {
namespace {

TEST(AdditionsSettingsTest, MissingOrDamagedFileGivesDefaults) {
    const test::TempDir folder;
    const WorkDir dir(folder.path());
    EXPECT_EQ(LoadAdditions(dir), AdditionsSettings{});

    for (const char* bytes : {"[Lernstand]\nKarteikasten=vielleicht\n", "\xff\xfe\x00garbage"}) {
        folder.Write(kAdditionsFile, bytes);
        EXPECT_TRUE(LoadAdditions(dir).cardBox) << bytes;
    }
    folder.Write(kAdditionsFile, "[Lernstand]\r\nKarteikasten = 0\r\n");
    EXPECT_FALSE(LoadAdditions(dir).cardBox) << "written by hand, with blanks and CR LF";
}

TEST(AdditionsSettingsTest, SavedSettingsReadBackAndLeaveTamurikIniAlone) {
    const test::TempDir folder;
    const WorkDir dir(folder.path());
    MODUL1 state;
    ASSERT_TRUE(WriteSettings(dir, state));
    const std::string ini = folder.Read(kSettingsFile);

    AdditionsSettings settings;
    settings.cardBox = false;
    ASSERT_TRUE(SaveAdditions(dir, settings));
    EXPECT_EQ(LoadAdditions(dir), settings);
    settings.cardBox = true;
    ASSERT_TRUE(SaveAdditions(dir, settings));
    EXPECT_EQ(LoadAdditions(dir), settings);
    EXPECT_EQ(folder.Read(kSettingsFile), ini);
}

} // namespace
} // namespace tamurik
