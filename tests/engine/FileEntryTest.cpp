#include "EngineFixture.h"

using namespace kestrel;
using namespace kestrel::test;
using ::testing::ElementsAre;

TEST_F(EngineTest, BuildsTheEightFieldsOfAnEntry) {
    writeFile(card / "DCIM/100/IMG_0001.JPG", "x");
    writeFile(card / "TOP.NEF", "x");
    setModified(card / "DCIM/100/IMG_0001.JPG", "2016-03-07 09:00");
    setModified(card / "TOP.NEF", "2016-11-24 09:00");
    prefs.set({{keys::ModDate, "1"}});
    std::ostringstream out;
    CopyHandler handler(sink, out);
    const std::string root = card.path() + "/";

    EXPECT_THAT(
        handler.buildFileList(root, "DCIM/100/IMG_0001.JPG", "JPG", "/Users/x/Pictures").strings(),
        ElementsAre("JPG", root + "DCIM/100/IMG_0001.JPG", "IMG_0001.JPG", root + "DCIM/100/",
                    "2016", "03", "07", "/Users/x/Pictures"));
    // A file right inside the dropped folder has the source root as its folder.
    EXPECT_THAT(handler.buildFileList(root, "TOP.NEF", "RAW", "<nil>").strings(),
                ElementsAre("RAW", root + "TOP.NEF", "TOP.NEF", root, "2016", "11", "24", "<nil>"));
    // An empty source root leaves the relative path alone.
    EXPECT_EQ(handler.buildFileList("", root + "TOP.NEF", "RAW", "d").fields().fullPath,
              root + "TOP.NEF");
    EXPECT_EQ(out.str(), "");
    EXPECT_THAT(handler.buildFileList(root, "VANISHED.JPG", "JPG", "d").strings(),
                ElementsAre("ERR"));
    EXPECT_EQ(out.str(), "error\n");
}

TEST(FileEntryText, SplitsPathsAtTheLastSlash) {
    using kestrel::CopyHandler;
    EXPECT_THAT(CopyHandler::getNameElements("/Volumes/CARD/DCIM/IMG.JPG"),
                ElementsAre("IMG.JPG", "/Volumes/CARD/DCIM/"));
    EXPECT_THAT(CopyHandler::getNameElements("/IMG_0001.JPG"), ElementsAre("IMG_0001.JPG", "/"));
    EXPECT_THAT(CopyHandler::getNameElements("/a/b/"), ElementsAre("", "/a/b/"));
    EXPECT_THAT(CopyHandler::getNameElements("plain"), ElementsAre("plain", ""));
}

TEST(FileEntryText, FormatsDatesWithTwoDigitMonthAndDay) {
    ::setenv("TZ", "UTC0", 1);
    ::tzset();
    EXPECT_THAT(CopyHandler::getFullDateString(0), ElementsAre("1970", "01", "01"));
    EXPECT_THAT(CopyHandler::getFullDateString(1469059200), ElementsAre("2016", "07", "21"));
    EXPECT_THAT(CopyHandler::getFullDateString(1512086399), ElementsAre("2017", "11", "30"));
    ::setenv("TZ", "CET-1", 1);
    ::tzset();
    EXPECT_THAT(CopyHandler::getFullDateString(1512086399), ElementsAre("2017", "12", "01"));
    ::unsetenv("TZ");
    ::tzset();
}
