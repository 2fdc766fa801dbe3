#include "EngineFixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

using namespace kestrel;
using namespace kestrel::test;
using ::testing::ElementsAre;

namespace {
struct stat statOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}
} // namespace

class CopyPassTest : public EngineTest {
  protected:
    CopyPassTest() {
        prefs.set({{keys::JPGYear, "0"}, {keys::JPGMonth, "0"}, {keys::JPGDay, "0"}});
    }
};

TEST_F(CopyPassTest, ReimportCopiesNothingAndReplacesNothing) {
    writeFile(card / "A.JPG", "first card");
    writeFile(card / "B.JPG", "bee");
    importCard();
    writeFile(dest / "JPG/B.JPG", "edited by the user");

    const auto out = importCard();

    const std::string d = dest.path(), c = card.path();
    EXPECT_THAT(out,
                ElementsAre(c + "/", "Ende: 2 Dateien gefunden und in Datei-Array geschrieben.",
                            "path: " + d + "/JPG/", "copy-error",
                            c + "/A.JPG -> " + d + "/JPG/A.JPG false", "path: " + d + "/JPG/",
                            "copy-error", c + "/B.JPG -> " + d + "/JPG/B.JPG false"));
    EXPECT_EQ(readFile(dest / "JPG/A.JPG"), "first card");
    EXPECT_EQ(readFile(dest / "JPG/B.JPG"), "edited by the user");
    EXPECT_EQ(notCopied, 2);
    EXPECT_EQ(sink.calls.back(), "sayFinished 2");
}

TEST_F(CopyPassTest, CopyKeepsBytesTimesAndPermissions) {
    std::string big(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7919 % 251);
    writeFile(card / "BIG.MOV", big);
    writeFile(card / "EMPTY.JPG", "");
    ::chmod((card / "BIG.MOV").c_str(), 0640);
    setModified(card / "BIG.MOV", "2015-05-05 05:05");
    const auto before = statOf(card / "BIG.MOV");

    importCard();

    const auto copy = statOf(dest / "JPG/BIG.MOV"); // before reading it moves its access time
    EXPECT_EQ(readFile(dest / "JPG/BIG.MOV"), big);
    EXPECT_EQ(readFile(dest / "JPG/EMPTY.JPG"), "");
    EXPECT_EQ(copy.st_mode & 07777, 0640u);
    EXPECT_EQ(copy.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(copy.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(copy.st_atim.tv_sec, before.st_atim.tv_sec);
    // The source is untouched, its access time included.
    const auto after = statOf(card / "BIG.MOV");
    EXPECT_EQ(after.st_atim.tv_sec, before.st_atim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_THAT(listTree(dest.path()), ElementsAre("JPG/", "JPG/BIG.MOV", "JPG/EMPTY.JPG"));
}

TEST_F(CopyPassTest, MissingOrUnusableDestinationsFailEveryCopy) {
    writeFile(card / "A.JPG", "a");
    writeFile(card / "B.NEF", "b");
    const std::string missing = dest / "not/there";
    prefs.set({{keys::ImportPath, missing}, {keys::ImportPathRAW, dest / "file"}});
    writeFile(dest / "file", "a file, not a folder");

    const auto out = importCard();

    EXPECT_THAT(std::vector(out.begin() + 2, out.end()),
                ElementsAre("path: " + missing + "/JPG/", "copy-error",
                            card / "A.JPG -> " + missing + "/JPG/A.JPG false",
                            "path: " + dest / "file/RAW/", "copy-error",
                            card / "B.NEF -> " + dest / "file/RAW/B.NEF false"));
    EXPECT_THAT(listTree(dest.path()), ElementsAre("file"));
    EXPECT_EQ(notCopied, 2);
}

TEST_F(CopyPassTest, AbsentDestinationIsAFolderNamedNilInTheCurrentFolder) {
    writeFile(card / "A.JPG", "a");
    TempDir cwd;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(cwd.path());
    PreferencesSandbox fresh;
    fresh.set({{keys::JPG, "1"}, {keys::JPGYear, "0"}, {keys::JPGMonth, "0"}, {keys::JPGDay, "0"}});

    auto out = importCard(); // no <nil> folder: one level is made at a time, so this fails
    EXPECT_EQ(out[2], "path: <nil>/JPG/");
    EXPECT_EQ(out[3], "copy-error");
    std::filesystem::create_directory(cwd / "<nil>");
    out = importCard();
    EXPECT_EQ(out[3], "makeFolder: <nil>/JPG/");
    EXPECT_EQ(out[4], card / "A.JPG -> <nil>/JPG/A.JPG true");
    std::filesystem::current_path(previous);
    EXPECT_EQ(readFile(cwd / "<nil>/JPG/A.JPG"), "a");
}

TEST_F(CopyPassTest, RootEndingInSlashDoublesIt) {
    writeFile(card / "A.JPG", "a");
    prefs.set({{keys::ImportPath, dest.path() + "/"}});
    const auto out = importCard();
    EXPECT_EQ(out[2], "path: " + dest.path() + "//JPG/");
    EXPECT_EQ(out[4], card / "A.JPG -> " + dest.path() + "//JPG/A.JPG true");
}

TEST_F(CopyPassTest, EmptyListDoesNothing) {
    std::ostringstream out;
    CopyHandler handler(sink, out);
    handler.initDoVars();
    EXPECT_TRUE(handler.performCopyOperation({}));
    EXPECT_EQ(out.str(), "");
    EXPECT_TRUE(sink.calls.empty());
}

TEST_F(CopyPassTest, ErrorEntriesAreSkippedButCounted) {
    writeFile(card / "A.JPG", "a");
    std::ostringstream out;
    CopyHandler handler(sink, out);
    handler.initDoVars();
    const FileEntry gone = handler.buildFileList(card.path() + "/", "GONE.JPG", "JPG", dest.path());
    const FileEntry good = handler.buildFileList(card.path() + "/", "A.JPG", "JPG", dest.path());
    EXPECT_THAT(gone.strings(), ElementsAre("ERR"));

    EXPECT_TRUE(handler.performCopyOperation({gone, good}));

    EXPECT_THAT(lines(out.str()), ElementsAre("error", "ERR skipped", "path: " + dest / "JPG/",
                                              "makeFolder: " + dest / "JPG/",
                                              card / "A.JPG -> " + dest / "JPG/A.JPG true"));
    EXPECT_THAT(sink.calls, ElementsAre("setBarInc 2 of 2 (A.JPG)", "stopBar"));
    EXPECT_EQ(handler.notCopied(), 1);
}

TEST_F(CopyPassTest, OnlyRegularFilesAreCopied) {
    writeFile(card / "real.JPG", "real");
    std::filesystem::create_symlink(card / "real.JPG", card / "link.JPG");
    std::filesystem::create_symlink("/nonexistent", card / "dangling.JPG");
    ASSERT_EQ(::mkfifo((card / "pipe.JPG").c_str(), 0644), 0);

    const auto out = importCard();

    EXPECT_EQ(out[1], "Ende: 4 Dateien gefunden und in Datei-Array geschrieben.");
    EXPECT_THAT(listTree(dest.path()), ElementsAre("JPG/", "JPG/real.JPG"));
    EXPECT_EQ(notCopied, 3);
}

TEST_F(CopyPassTest, UnreadableFoldersAreReported) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    writeFile(card / "locked/A.JPG", "a");
    writeFile(card / "open/B.JPG", "b");
    ::chmod((card / "locked").c_str(), 0);
    const auto out = importCard();
    ::chmod((card / "locked").c_str(), 0755);
    EXPECT_EQ(out[1], "error");
    EXPECT_THAT(listTree(dest.path()), ElementsAre("JPG/", "JPG/B.JPG"));
    EXPECT_EQ(notCopied, 1);
}

TEST_F(CopyPassTest, LogKeepsFileOrderAcrossManyFiles) {
    std::vector<std::string> names;
    for (int i = 0; i < 150; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "F%03d.JPG", i);
        names.push_back(name);
        writeFile(card / name, name);
    }
    // Files already at their destination, at the start, middle and end.
    for (const char* taken : {"F000.JPG", "F064.JPG", "F065.JPG", "F149.JPG"})
        writeFile(dest / ("JPG/" + std::string(taken)), "mine");

    const auto out = importCard();

    std::vector<std::string> expected = {
        card.path() + "/", "Ende: 150 Dateien gefunden und in Datei-Array geschrieben."};
    for (const auto& name : names) {
        expected.push_back("path: " + dest / "JPG/");
        const bool taken = readFile(dest / ("JPG/" + name)) == "mine";
        if (taken)
            expected.push_back("copy-error");
        expected.push_back(card / name + " -> " + dest / ("JPG/" + name) +
                           (taken ? " false" : " true"));
    }
    EXPECT_EQ(out, expected);
    EXPECT_EQ(notCopied, 4);
    EXPECT_EQ(readFile(dest / "JPG/F064.JPG"), "mine");
    EXPECT_EQ(readFile(dest / "JPG/F063.JPG"), "F063.JPG");
    EXPECT_EQ(listTree(dest.path()).size(), 151u); // nothing but the folder and the photos
}

TEST_F(CopyPassTest, MakeFolderAndCopyFileSayWhatHappened) {
    writeFile(card / "A.JPG", "a");
    std::ostringstream out;
    CopyHandler handler(sink, out);

    handler.makeFolder(dest / "new/");
    handler.makeFolder(dest / "new/");         // exists: only its path line
    handler.makeFolder(dest / "no/such/one/"); // one level at a time: nothing is made
    EXPECT_TRUE(handler.copyFile(card / "A.JPG", dest / "new/A.JPG"));
    EXPECT_FALSE(handler.copyFile(card / "A.JPG", dest / "new/A.JPG"));
    EXPECT_FALSE(handler.copyFile(card / "A.JPG", dest / "missing/A.JPG"));
    EXPECT_FALSE(handler.copyFile(card / "GONE.JPG", dest / "new/GONE.JPG"));

    EXPECT_THAT(lines(out.str()),
                ElementsAre("path: " + dest / "new/", "makeFolder: " + dest / "new/",
                            "path: " + dest / "new/", "path: " + dest / "no/such/one/",
                            "copy-error", "copy-error", "copy-error"));
    EXPECT_THAT(listTree(dest.path()), ElementsAre("new/", "new/A.JPG"));
}
