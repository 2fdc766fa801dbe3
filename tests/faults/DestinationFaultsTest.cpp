// Faults at the destination while a run copies: folders that vanish or turn into files,
// files that appear under the name being copied to, a destination that fills up.

#include "FaultHarness.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace kestrel::faults {
namespace {

namespace fs = std::filesystem;

using DestinationFaults = CardTest;

TEST_F(DestinationFaults, DayFolderRemovedBeforeCopyFailsOnlyThatFile) {
    const std::string a = photo("A.JPG", "aaa");
    const std::string b = photo("B.JPG", "bbbb");
    const std::string c = photo("C.JPG", "");
    const Tree sources = snapshot(card);
    const std::string dayFolder = dest + "/JPG/2016/03/07";

    InProcessRun run;
    run.sink.onCopy = [&](int k) {
        if (k == 1) {
            ASSERT_EQ(::rmdir(dayFolder.c_str()), 0);
        }
    };
    const RunResult result = run.run(card);

    ExpectedLog log;
    log.start(card + "/");
    log.counted(3);
    log.entry(a, dest, "JPG", ymd(day), false);
    log.folders.erase(dayFolder + "/"); // made again for B
    log.entry(b, dest, "JPG", ymd(day), true);
    log.entry(c, dest, "JPG", ymd(day), true);
    expectSameLines(result.out, log.text);
    EXPECT_EQ(result.notCopied, 1);
    EXPECT_EQ(result.calls.back(), "sayFinished 1");

    expectTree(snapshot(card), sources, "card");
    expectTrueMeansComplete(result.out, sources, dest);
    Tree expected;
    addWithFolders(expected, dest, dayFolder + "/B.JPG", sources.at(b));
    addWithFolders(expected, dest, dayFolder + "/C.JPG", sources.at(c));
    expectTree(snapshot(dest), expected, "destination");
}

TEST_F(DestinationFaults, DayFolderReplacedByFileFailsItsFilesAndKeepsTheFile) {
    const std::time_t day2 = day + 86400;
    const std::string a = photo("A.JPG", "aaa");
    const std::string b = photo("B.JPG", "bbbb", day2);
    const std::string c = photo("C.JPG", "cc", day2);
    const std::string d = photo("D.NEF", "raw", day2);
    const std::string e = photo("E.JPG", "eeeee");
    const Tree sources = snapshot(card);
    const std::string folder2 = dest + "/JPG/2016/03/08";

    // B's day folder has just been made: someone replaces it by a file.
    InProcessRun run;
    run.sink.onCopy = [&](int k) {
        if (k == 2) {
            ASSERT_EQ(::rmdir(folder2.c_str()), 0);
            test::writeFile(folder2, "not a folder");
        }
    };
    const RunResult result = run.run(card);

    ExpectedLog log;
    log.start(card + "/");
    log.counted(5);
    log.entry(a, dest, "JPG", ymd(day), true);
    log.entry(b, dest, "JPG", ymd(day2), false);
    log.entry(c, dest, "JPG", ymd(day2), false);
    log.entry(d, dest, "RAW", ymd(day2), true);
    log.entry(e, dest, "JPG", ymd(day), true);
    expectSameLines(result.out, log.text);
    EXPECT_EQ(result.notCopied, 2);
    EXPECT_EQ(result.calls.back(), "sayFinished 2");

    expectTree(snapshot(card), sources, "card");
    expectTrueMeansComplete(result.out, sources, dest);
    const Tree after = snapshot(dest);
    ASSERT_TRUE(after.count(folder2));
    EXPECT_EQ(after.at(folder2).data, "not a folder");
    Tree expected;
    addWithFolders(expected, dest, dest + "/JPG/2016/03/07/A.JPG", sources.at(a));
    addWithFolders(expected, dest, dest + "/JPG/2016/03/07/E.JPG", sources.at(e));
    addWithFolders(expected, dest, folder2, after.at(folder2));
    addWithFolders(expected, dest, dest + "/RAW/2016/03/08/D.NEF", sources.at(d));
    expectTree(after, expected, "destination");
}

TEST_F(DestinationFaults, FolderRemovedOrReplacedJustBeforePublishLeavesNoTrace) {
    const std::time_t day2 = day + 86400;
    const std::time_t day3 = day + 2 * 86400;
    const std::string a = photo("A.JPG", "aaa");
    const std::string b = photo("B.JPG", "bbbb", day2);
    const std::string c = photo("C.JPG", "ccccc", day3);
    const std::string d = photo("D.JPG", "dd", day3);
    const std::string e = photo("E.JPG", "eeeeee");
    const Tree sources = snapshot(card);
    const std::string folder2 = dest + "/JPG/2016/03/08";
    const std::string folder3 = dest + "/JPG/2016/03/09";

    // The data of B and C sits complete and flushed in their temporary files when their
    // folders go; D is headed for C's folder.
    InProcessRun run;
    run.beforePublish = [&](const std::string& destPath) {
        if (destPath == folder2 + "/B.JPG")
            fs::remove_all(folder2);
        if (destPath == folder3 + "/C.JPG") {
            fs::remove_all(folder3);
            test::writeFile(folder3, "a file now");
        }
    };
    const RunResult result = run.run(card);

    ExpectedLog log;
    log.start(card + "/");
    log.counted(5);
    log.entry(a, dest, "JPG", ymd(day), true);
    log.entry(b, dest, "JPG", ymd(day2), false);
    log.entry(c, dest, "JPG", ymd(day3), false);
    log.entry(d, dest, "JPG", ymd(day3), false);
    log.entry(e, dest, "JPG", ymd(day), true);
    expectSameLines(result.out, log.text);
    EXPECT_EQ(result.notCopied, 3);
    EXPECT_EQ(result.calls.back(), "sayFinished 3");

    expectTree(snapshot(card), sources, "card");
    expectTrueMeansComplete(result.out, sources, dest);
    const Tree after = snapshot(dest);
    ASSERT_TRUE(after.count(folder3));
    EXPECT_EQ(after.at(folder3).data, "a file now");
    Tree expected;
    addWithFolders(expected, dest, dest + "/JPG/2016/03/07/A.JPG", sources.at(a));
    addWithFolders(expected, dest, dest + "/JPG/2016/03/07/E.JPG", sources.at(e));
    addWithFolders(expected, dest, folder3, after.at(folder3));
    expectTree(after, expected, "destination");
}

TEST_F(DestinationFaults, ItemAppearingAtTheDestinationNameIsNeverReplaced) {
    const std::string a = photo("A.JPG", "aaa");
    const std::string b = photo("B.JPG", "bbbb");
    const std::string c = photo("C.JPG", "ccccc");
    const std::string d = photo("D.JPG", "dddddd");
    const std::string e = photo("E.JPG", "eeeeeee");
    const Tree sources = snapshot(card);
    const std::string dayFolder = dest + "/JPG/2016/03/07";
    const std::string outside = root / "outside";

    // Each of B, C, D gets a different intruder once its copy is complete and flushed.
    InProcessRun run;
    run.beforePublish = [&](const std::string& destPath) {
        if (destPath.ends_with("/B.JPG"))
            test::writeFile(destPath, "someone else's photo");
        else if (destPath.ends_with("/C.JPG")) {
            ASSERT_EQ(::mkdir(destPath.c_str(), 0755), 0);
        } else if (destPath.ends_with("/D.JPG")) {
            ASSERT_EQ(::symlink(outside.c_str(), destPath.c_str()), 0);
        }
    };
    const RunResult result = run.run(card);

    ExpectedLog log;
    log.start(card + "/");
    log.counted(5);
    log.entry(a, dest, "JPG", ymd(day), true);
    log.entry(b, dest, "JPG", ymd(day), false);
    log.entry(c, dest, "JPG", ymd(day), false);
    log.entry(d, dest, "JPG", ymd(day), false);
    log.entry(e, dest, "JPG", ymd(day), true);
    expectSameLines(result.out, log.text);
    EXPECT_EQ(result.notCopied, 3);
    EXPECT_EQ(result.calls.back(), "sayFinished 3");

    expectTree(snapshot(card), sources, "card");
    expectTrueMeansComplete(result.out, sources, dest);
    const Tree after = snapshot(dest);
    Tree expected;
    addWithFolders(expected, dest, dayFolder + "/A.JPG", sources.at(a));
    addWithFolders(expected, dest, dayFolder + "/E.JPG", sources.at(e));
    expected[dayFolder + "/C.JPG"] = folderNode();
    ASSERT_TRUE(after.count(dayFolder + "/B.JPG"));
    EXPECT_EQ(after.at(dayFolder + "/B.JPG").data, "someone else's photo");
    expected[dayFolder + "/B.JPG"] = after.at(dayFolder + "/B.JPG");
    ASSERT_TRUE(after.count(dayFolder + "/D.JPG"));
    EXPECT_EQ(after.at(dayFolder + "/D.JPG").data, outside);
    expected[dayFolder + "/D.JPG"] = after.at(dayFolder + "/D.JPG");
    expectTree(after, expected, "destination");
    EXPECT_NE(::access(outside.c_str(), F_OK), 0) << "the symlink was followed";
}

TEST_F(DestinationFaults, FullDestinationFailsTheFileThatDoesNotFit) {
    const std::string mountPoint = root / "small";
    ASSERT_EQ(::mkdir(mountPoint.c_str(), 0755), 0);
    TmpfsMount tmpfs(mountPoint, 1 << 20);
    if (!tmpfs.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here: " << tmpfs.error();
    const std::string small = mountPoint + "/photos";
    ASSERT_EQ(::mkdir(small.c_str(), 0755), 0);
    prefs.set({{"kestrelImportPath", small}, {"kestrelImportPathRAW", small}});

    const std::string a = photo("1.JPG", noise(300 << 10, 1));
    const std::string b = photo("2.JPG", noise(300 << 10, 2));
    const std::string big = photo("3.JPG", noise(2 << 20, 3));
    const std::string c = photo("4.NEF", noise(200 << 10, 4));
    const std::string d = photo("5.JPG", noise(4097, 5));
    const Tree sources = snapshot(card);

    const ChildResult result = runChild({test::kestrelImport(), card});

    ExpectedLog log;
    log.start(card + "/");
    log.counted(5);
    log.entry(a, small, "JPG", ymd(day), true);
    log.entry(b, small, "JPG", ymd(day), true);
    log.entry(big, small, "JPG", ymd(day), false);
    log.entry(c, small, "RAW", ymd(day), true);
    log.entry(d, small, "JPG", ymd(day), true);
    expectSameLines(result.out, log.text);
    EXPECT_EQ(result.err, finalMessage(5, 1) + "\n");
    EXPECT_EQ(result.exitCode, 1);

    expectTree(snapshot(card), sources, "card");
    expectTrueMeansComplete(result.out, sources, small);
    Tree expected;
    addWithFolders(expected, small, small + "/JPG/2016/03/07/1.JPG", sources.at(a));
    addWithFolders(expected, small, small + "/JPG/2016/03/07/2.JPG", sources.at(b));
    addWithFolders(expected, small, small + "/RAW/2016/03/07/4.NEF", sources.at(c));
    addWithFolders(expected, small, small + "/JPG/2016/03/07/5.JPG", sources.at(d));
    expectTree(snapshot(small), expected, "destination");
}

TEST_F(DestinationFaults, DestinationOutOfInodesFailsTheFilesThatFindNone) {
    const std::string mountPoint = root / "small";
    ASSERT_EQ(::mkdir(mountPoint.c_str(), 0755), 0);
    // The root, JPG, 2016, 03, 07 and the first two files: then no inode is left.
    TmpfsMount tmpfs(mountPoint, 1 << 20, 7);
    if (!tmpfs.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here: " << tmpfs.error();
    prefs.set({{"kestrelImportPath", mountPoint}});

    const std::string a = photo("A.JPG", "aaa");
    const std::string b = photo("B.JPG", "bbbb");
    const std::string c = photo("C.JPG", "ccccc");
    const Tree sources = snapshot(card);

    InProcessRun run;
    const RunResult result = run.run(card);

    ExpectedLog log;
    log.start(card + "/");
    log.counted(3);
    log.entry(a, mountPoint, "JPG", ymd(day), true);
    log.entry(b, mountPoint, "JPG", ymd(day), true);
    log.entry(c, mountPoint, "JPG", ymd(day), false);
    expectSameLines(result.out, log.text);
    EXPECT_EQ(result.notCopied, 1);

    expectTree(snapshot(card), sources, "card");
    Tree expected;
    addWithFolders(expected, mountPoint, mountPoint + "/JPG/2016/03/07/A.JPG", sources.at(a));
    addWithFolders(expected, mountPoint, mountPoint + "/JPG/2016/03/07/B.JPG", sources.at(b));
    expectTree(snapshot(mountPoint), expected, "destination");
}

} // namespace
} // namespace kestrel::faults
