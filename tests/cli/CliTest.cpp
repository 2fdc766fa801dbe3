#include "Preferences.h"
#include "TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using namespace kestrel;
using namespace kestrel::test;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

ProcessResult kestrelImport(std::vector<std::string> args, const std::string& cwd = {}) {
    args.insert(args.begin(), test::kestrelImport());
    return runProcess(args, {}, cwd);
}

std::string stored(const char* key) {
    return getUserDefAsString(*openPreferences(), key);
}

} // namespace

TEST(KestrelImport, ImportsAFolderAndTellsTheOutcome) {
    PreferencesSandbox prefs;
    TempDir work;
    writeFile(work / "card/DCIM/A.JPG", "a");
    writeFile(work / "card/DCIM/B.DNG", "b");
    std::filesystem::create_directories(work / "photos");

    // A relative SOURCE with a trailing "/" is filed as the dropped folder would be.
    auto run = kestrelImport({"--jpg-dest", "photos", "--raw-dest", work.path() + "/photos/",
                              "--folders", "none", "card/"},
                             work.path());
    const std::string c = work / "card", p = work / "photos";
    EXPECT_THAT(lines(run.out),
                ElementsAre(c + "/", "Ende: 2 Dateien gefunden und in Datei-Array geschrieben.",
                            "path: " + p + "/JPG/", "makeFolder: " + p + "/JPG/",
                            c + "/DCIM/A.JPG -> " + p + "/JPG/A.JPG true", "path: " + p + "/DNG/",
                            "makeFolder: " + p + "/DNG/",
                            c + "/DCIM/B.DNG -> " + p + "/DNG/B.DNG true"));
    EXPECT_EQ(run.err, "copying of 2 files finished.\n");
    EXPECT_EQ(run.exitCode, 0);

    run = kestrelImport({c});
    EXPECT_EQ(run.err, "copying of 2 files finished. 2 not copied.\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(readFile(p + "/JPG/A.JPG"), "a");
}

TEST(KestrelImport, StoresSettingsAsTheWindowDoes) {
    PreferencesSandbox prefs;
    TempDir dirs;
    std::filesystem::create_directories(dirs / "Bilder für Oma");
    std::filesystem::create_directories(dirs / "raw");

    auto run =
        kestrelImport({"--jpg", "off", "--raw=on", "--folders", "ym", "--raw-folders", "d",
                       "--date", "modified", "--jpg-dest", dirs / "Bilder für Oma/", "--raw-dest",
                       dirs / "raw/../raw", "--taken", "on", "--keep-both=off"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");

    const std::map<std::string, std::string> expected = {
        {keys::JPG, "0"},
        {keys::RAW, "1"},
        {keys::JPGYear, "1"},
        {keys::JPGMonth, "1"},
        {keys::JPGDay, "0"},
        {keys::RAWYear, "0"},
        {keys::RAWMonth, "0"},
        {keys::RAWDay, "1"},
        {keys::ModDate, "1"},
        {keys::ImportPath, dirs / "Bilder für Oma"},
        {keys::ImportPathRAW, dirs / "raw"},
        {keys::KeepBoth, "0"},
        {keys::TakenDate, "1"}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(stored(key.c_str()), value) << key;

    run = kestrelImport({"--show", "--folders", "none"});
    EXPECT_THAT(lines(run.out),
                ElementsAre("kestrelJPG=0", "kestrelRAW=1", "kestrelJPGYear=0", "kestrelJPGMonth=0",
                            "kestrelJPGDay=0", "kestrelRAWYear=0", "kestrelRAWMonth=0",
                            "kestrelRAWDay=1", "kestrelModDate=1",
                            "kestrelImportPath=" + dirs / "Bilder für Oma",
                            "kestrelImportPathRAW=" + dirs / "raw", "kestrelKeepBoth=0",
                            "kestrelTakenDate=1"));
}

TEST(KestrelImport, WritesStartupDefaultsOfAbsentOptionsOnly) {
    PreferencesSandbox prefs;
    prefs.writeRaw("[General]\nkestrelJPG=true\nkestrelRAWDay=<nil>\n");
    const auto run = kestrelImport({"--show"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(lines(run.out),
                ElementsAre("kestrelJPG=true", "kestrelRAW=1", "kestrelJPGYear=1",
                            "kestrelJPGMonth=1", "kestrelJPGDay=1", "kestrelRAWYear=1",
                            "kestrelRAWMonth=1", "kestrelRAWDay=1", "kestrelModDate=0",
                            "kestrelImportPath=<nil>", "kestrelImportPathRAW=<nil>",
                            "kestrelKeepBoth=<nil>", "kestrelTakenDate=<nil>"));
}

TEST(KestrelImport, RejectsBadUsageWithoutTouchingAnything) {
    PreferencesSandbox prefs;
    TempDir work;
    writeFile(work / "card/A.JPG", "a");
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--jpg", "yes", work / "card"},
        {"--folders", "yy", work / "card"},
        {"--folders", "", work / "card"},
        {"--raw-folders", "ymdx"},
        {"--date", "yesterday"},
        {"--taken", "yes"},
        {"--keep-both", "1"},
        {"--jpg-dest", work / "missing"},
        {"--raw-dest", work / "card/A.JPG"},
        {"--bogus", work / "card"},
        {"--jpg"},
        {work / "card", work / "card"},
        {"--show", work / "card"},
        {work / "card/A.JPG"},
        {work / "nothing-here"},
    };
    for (const auto& args : bad) {
        const auto run = kestrelImport(args);
        const std::string shown = args.empty() ? "(none)" : args.front();
        EXPECT_EQ(run.exitCode, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_THAT(run.err, StartsWith("kestrel-import: ")) << shown;
        EXPECT_THAT(run.err, HasSubstr("--help")) << shown;
    }
    EXPECT_FALSE(std::filesystem::exists(prefs.file()));
    EXPECT_FALSE(std::filesystem::exists(work / "card/JPG"));

    const auto help = kestrelImport({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, StartsWith("Usage: kestrel-import [SETTINGS] SOURCE\n"));
}

TEST(KestrelImport, HandlesOddNamesAndCorruptPreferences) {
    PreferencesSandbox prefs;
    prefs.writeRaw(std::string("\x01\xff[General\n=\n\xfe\xfe kestrelJPG", 26));
    TempDir work;
    const std::string card = work / "card \xff\xfe";
    writeFile(card + "/caf\xc3\xa9 \xfe\x01.JPG", "odd");
    writeFile(card + "/-x.JPG", "dash");
    std::filesystem::create_directories(work / "out");

    const auto run = kestrelImport({"--folders", "none", "--jpg-dest", work / "out", "--", card});

    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(lines(run.out),
                ElementsAre(card + "/", "Ende: 2 Dateien gefunden und in Datei-Array geschrieben.",
                            "path: " + work / "out/JPG/", "makeFolder: " + work / "out/JPG/",
                            card + "/-x.JPG -> " + work / "out/JPG/-x.JPG true",
                            "path: " + work / "out/JPG/",
                            card + "/caf\xc3\xa9 \xfe\x01.JPG -> " +
                                work / "out/JPG/caf\xc3\xa9 \xfe\x01.JPG true"));
    EXPECT_EQ(readFile(work / "out/JPG/caf\xc3\xa9 \xfe\x01.JPG"), "odd");
}
