#include "EngineFixture.h"

#include <fcntl.h>
#include <sys/stat.h>

using namespace kestrel;
using namespace kestrel::test;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// Names that must match exactly one row of the suffix table, and some that must not.
const std::vector<std::string> kCardFiles = {
    "DCIM/100/IMG_0001.JPG", "DCIM/100/CLIP.MOV",  "DCIM/100/A.CR2",    "DCIM/100/A.tif",
    "DCIM/100/A.jpeg",       "DCIM/100/A.Jpg",     "DCIM/100/A.tiff",   "DCIM/100/B.raf",
    "DCIM/100/C.NEF",        "DCIM/100/D.dng",     "DCIM/100/notesjpg", "DCIM/100/._IMG_0001.JPG",
    "DCIM/100/e.mov",        "DCIM/100/readme.txt"};

} // namespace

TEST_F(EngineTest, ClassifiesByExactSuffixIntoTagFolders) {
    for (const auto& name : kCardFiles)
        writeFile(card / name, name);
    prefs.set({{keys::JPGYear, "0"}, {keys::JPGMonth, "0"}, {keys::JPGDay, "0"}});

    const auto out = importCard();

    EXPECT_EQ(out.front(), card.path() + "/");
    EXPECT_THAT(listTree(dest.path()),
                ElementsAre("DNG/", "DNG/A.tif", "DNG/D.dng", "JPG/", "JPG/._IMG_0001.JPG",
                            "JPG/CLIP.MOV", "JPG/IMG_0001.JPG", "JPG/e.mov", "JPG/notesjpg", "RAW/",
                            "RAW/A.CR2", "RAW/B.raf", "RAW/C.NEF"));
    EXPECT_NE(std::find(out.begin(), out.end(),
                        "Ende: 10 Dateien gefunden und in Datei-Array geschrieben."),
              out.end());
    EXPECT_EQ(readFile(dest / "JPG/IMG_0001.JPG"), "DCIM/100/IMG_0001.JPG");
    EXPECT_EQ(notCopied, 0);
}

TEST_F(EngineTest, GroupFlagsChooseWhatIsCounted) {
    for (const auto& name : kCardFiles)
        writeFile(card / name, name);
    const auto countLine = [](int n) {
        return "Ende: " + std::to_string(n) + " Dateien gefunden und in Datei-Array geschrieben.";
    };
    struct Case {
        const char* jpg;
        const char* raw;
        int count;
    };
    // "true", "01" and " 1" are not "1": only the exact string switches a group on.
    for (const Case& c : {Case{"1", "0", 5}, Case{"0", "1", 5}, Case{"0", "0", 0},
                          Case{"true", "01", 0}, Case{" 1", "1 ", 0}}) {
        TempDir fresh;
        prefs.set({{keys::JPG, c.jpg},
                   {keys::RAW, c.raw},
                   {keys::ImportPath, fresh.path()},
                   {keys::ImportPathRAW, fresh.path()}});
        const auto out = importCard();
        EXPECT_EQ(out[1], countLine(c.count)) << c.jpg << "/" << c.raw;
        EXPECT_EQ(sink.calls[1], "setBar " + std::to_string(c.count));
        sink.calls.clear();
    }
}

TEST_F(EngineTest, UninitialisedStoreMatchesNothing) {
    writeFile(card / "A.JPG", "x");
    PreferencesSandbox empty; // no start-up defaults were ever written
    const auto out = importCard();
    EXPECT_THAT(out, ElementsAre(card.path() + "/",
                                 "Ende: 0 Dateien gefunden und in Datei-Array geschrieben."));
    EXPECT_THAT(sink.calls, ElementsAre("sayNothing", "setBar 0", "sayFinished 0"));
    EXPECT_TRUE(listTree(dest.path()).empty());
}

TEST_F(EngineTest, WritesTheWholeLogAndStatusOfARun) {
    writeFile(card / "DCIM/B.CR2", "raw");
    writeFile(card / "DCIM/A.JPG", "jpg");
    writeFile(card / "DCIM/A.JPG.txt", "not a photo");
    setModified(card / "DCIM/A.JPG", "2016-07-21 12:00");
    setModified(card / "DCIM/B.CR2", "2016-07-21 13:00");
    prefs.set({{keys::ModDate, "1"}, {keys::JPGDay, "0"}});
    const std::string d = dest.path();
    const std::string c = card.path();

    EXPECT_THAT(importCard(),
                ElementsAre(c + "/", "Ende: 2 Dateien gefunden und in Datei-Array geschrieben.",
                            "path: " + d + "/JPG/", "makeFolder: " + d + "/JPG/",
                            "path: " + d + "/JPG/2016/", "makeFolder: " + d + "/JPG/2016/",
                            "path: " + d + "/JPG/2016/07/", "makeFolder: " + d + "/JPG/2016/07/",
                            c + "/DCIM/A.JPG -> " + d + "/JPG/2016/07/A.JPG true",
                            "path: " + d + "/RAW/", "makeFolder: " + d + "/RAW/",
                            "path: " + d + "/RAW/2016/", "makeFolder: " + d + "/RAW/2016/",
                            "path: " + d + "/RAW/2016/07/", "makeFolder: " + d + "/RAW/2016/07/",
                            c + "/DCIM/B.CR2 -> " + d + "/RAW/2016/07/B.CR2 true"));
    EXPECT_THAT(sink.calls,
                ElementsAre("sayNothing", "setBar 2", "setBarInc 1 of 2 (A.JPG)", "stopBar",
                            "setBarInc 2 of 2 (B.CR2)", "stopBar", "sayFinished 0"));
}

TEST_F(EngineTest, DateLevelsFollowTheJpgSideForEveryGroup) {
    writeFile(card / "P.JPG", "j");
    writeFile(card / "P.NEF", "r");
    setModified(card / "P.JPG", "2016-04-09 08:00");
    setModified(card / "P.NEF", "2016-04-09 08:00");
    struct Case {
        std::string levels; // y, m, d switched on
        std::string folder;
    };
    const std::vector<Case> cases = {{"", ""},         {"y", "2016/"},        {"m", "04/"},
                                     {"d", "09/"},     {"ym", "2016/04/"},    {"yd", "2016/09/"},
                                     {"md", "04/09/"}, {"ymd", "2016/04/09/"}};
    for (const Case& c : cases) {
        TempDir out;
        const auto on = [&](char level) {
            return c.levels.find(level) != std::string::npos ? "1" : "0";
        };
        // The RAW side's levels are stored but never decide where a file goes.
        prefs.set({{keys::ModDate, "1"},
                   {keys::JPGYear, on('y')},
                   {keys::JPGMonth, on('m')},
                   {keys::JPGDay, on('d')},
                   {keys::RAWYear, "1"},
                   {keys::RAWMonth, "0"},
                   {keys::RAWDay, "1"},
                   {keys::ImportPath, out.path()},
                   {keys::ImportPathRAW, out.path()}});
        importCard();
        EXPECT_TRUE(std::filesystem::is_regular_file(out / ("JPG/" + c.folder + "P.JPG")))
            << "levels '" << c.levels << "'";
        EXPECT_TRUE(std::filesystem::is_regular_file(out / ("RAW/" + c.folder + "P.NEF")))
            << "levels '" << c.levels << "'";
    }
}

TEST_F(EngineTest, CreationDateUnlessModificationDateIsChosen) {
    writeFile(card / "IMG.JPG", "x");
    setModified(card / "IMG.JPG", "2001-02-03 10:00");

    for (const char* flag : {"0", "<nil>", "true"}) {
        TempDir out;
        prefs.set({{keys::ModDate, flag}, {keys::ImportPath, out.path()}});
        importCard();
        // The file was born today; only its modification time is old.
        EXPECT_TRUE(std::filesystem::exists(out / ("JPG/" + todayFolders() + "/IMG.JPG"))) << flag;
    }
    TempDir out;
    prefs.set({{keys::ModDate, "1"}, {keys::ImportPath, out.path()}});
    importCard();
    EXPECT_TRUE(std::filesystem::exists(out / "JPG/2001/02/03/IMG.JPG"));
}

TEST_F(EngineTest, DatesFollowTheLocalCalendar) {
    writeFile(card / "NEWYEAR.JPG", "x");
    // 23:30 UTC on 31 December is 00:30 on 1 January one hour east of Greenwich.
    const timespec utc2330[2] = {{1483227000, 0}, {1483227000, 0}}; // 2016-12-31 23:30:00 UTC
    ASSERT_EQ(::utimensat(AT_FDCWD, (card / "NEWYEAR.JPG").c_str(), utc2330, 0), 0);
    prefs.set({{keys::ModDate, "1"}});

    const std::string previous = std::getenv("TZ") ? std::getenv("TZ") : "";
    ::setenv("TZ", "CET-1", 1);
    importCard();
    ::setenv("TZ", "UTC0", 1);
    importCard(); // the same file again, in another zone: another folder
    previous.empty() ? ::unsetenv("TZ") : ::setenv("TZ", previous.c_str(), 1);
    ::tzset();

    EXPECT_TRUE(std::filesystem::exists(dest / "JPG/2017/01/01/NEWYEAR.JPG"));
    EXPECT_TRUE(std::filesystem::exists(dest / "JPG/2016/12/31/NEWYEAR.JPG"));
}

TEST_F(EngineTest, SourceRootIsTheArgumentWithASlash) {
    writeFile(card / "A.JPG", "x");
    EXPECT_EQ(import(card.path() + "/").front(), card.path() + "//");
    const auto nowhere = import(card / "missing");
    EXPECT_THAT(nowhere, ElementsAre(card / "missing/", "error",
                                     "Ende: 0 Dateien gefunden und in Datei-Array geschrieben."));
    EXPECT_EQ(notCopied, 1);
    // A file is no folder to walk.
    EXPECT_EQ(import(card / "A.JPG")[1], "error");
}

TEST_F(EngineTest, WalksFoldersNamedLikePhotosAndHiddenItems) {
    writeFile(card / "Backup.jpg/IMG_1.JPG", "inner");
    writeFile(card / ".hidden/IMG_2.JPG", "hidden");
    prefs.set({{keys::JPGYear, "0"}, {keys::JPGMonth, "0"}, {keys::JPGDay, "0"}});

    const auto out = importCard();

    // The folder itself matches like a file, but only a regular file is ever copied.
    EXPECT_EQ(out[1], "Ende: 3 Dateien gefunden und in Datei-Array geschrieben.");
    EXPECT_THAT(listTree(dest.path()), ElementsAre("JPG/", "JPG/IMG_1.JPG", "JPG/IMG_2.JPG"));
    EXPECT_EQ(notCopied, 1);
    EXPECT_THAT(sink.calls.back(), "sayFinished 1");
}
