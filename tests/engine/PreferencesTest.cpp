#include "Preferences.h"
#include "TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace kestrel;
using namespace kestrel::test;
using ::testing::HasSubstr;

TEST(Preferences, ReadsStringsAndTreatsEverythingElseAsAbsent) {
    PreferencesSandbox prefs;
    prefs.writeRaw("[General]\n"
                   "kestrelJPG=1\n"
                   "kestrelRAW=<nil>\n"
                   "kestrelJPGYear=1, 2\n"
                   "kestrelJPGMonth=\" 1\"\n"
                   "kestrelImportPath=/home/me/Bilder \\x10d0\n");
    const auto store = openPreferences();
    EXPECT_EQ(getUserDefAsString(*store, keys::JPG), "1");
    EXPECT_EQ(getUserDefAsString(*store, keys::RAW), "<nil>");
    EXPECT_EQ(getUserDefAsString(*store, keys::JPGYear), "<nil>"); // a list, not a string
    EXPECT_EQ(getUserDefAsString(*store, keys::JPGMonth), " 1");
    EXPECT_EQ(getUserDefAsString(*store, keys::ImportPath), "/home/me/Bilder \xe1\x83\x90");
    EXPECT_EQ(getUserDefAsString(*store, keys::ModDate), "<nil>");
}

TEST(Preferences, StartupDefaultsFillOnlyAbsentOptions) {
    PreferencesSandbox prefs;
    prefs.set(
        {{keys::JPG, "0"}, {keys::RAW, "<nil>"}, {keys::JPGDay, "true"}, {keys::ModDate, ""}});
    const auto store = openPreferences();
    applyStartupDefaults(*store);

    const auto reader = openPreferences(); // another handle sees the writes at once
    const std::map<std::string, std::string> expected = {
        {keys::JPG, "0"},      {keys::RAW, "1"},       {keys::JPGYear, "1"},
        {keys::JPGMonth, "1"}, {keys::JPGDay, "true"}, {keys::RAWYear, "1"},
        {keys::RAWMonth, "1"}, {keys::RAWDay, "1"},    {keys::ModDate, ""}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(getUserDefAsString(*reader, key.c_str()), value) << key;
    EXPECT_EQ(getUserDefAsString(*reader, keys::ImportPath), "<nil>");
    EXPECT_EQ(getUserDefAsString(*reader, keys::ImportPathRAW), "<nil>");
    // Written through to the file, so another process sees them too.
    EXPECT_THAT(readFile(prefs.file()), HasSubstr("kestrelRAW=1\n"));
    EXPECT_THAT(readFile(prefs.file()), HasSubstr("kestrelModDate=\n"));
}

TEST(Preferences, CorruptFileNeverCrashes) {
    PreferencesSandbox prefs;
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 131) % 256);
    prefs.writeRaw(garbage);
    const auto store = openPreferences();
    for (const auto& option : kOptionKeys)
        (void)getUserDefAsString(*store, option.key);
    applyStartupDefaults(*store);
    EXPECT_EQ(getUserDefAsString(*openPreferences(), keys::JPG), "1");
}
