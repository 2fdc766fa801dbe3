// One file's copy: every fallback and every reason, through the fault points and real files
// in temporary folders; a FAT disk under fusefat where only a real file system will do.
#include "copy/SafeCopy.h"
#include "TestSupport.h"
#include "base/FaultPoints.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <tuple>

namespace kestrel {
namespace {

using enum Outcome;
using enum faults::Call;
using test::listTree;
using test::readFile;
using Tree = std::vector<std::string>;
using Faults = std::vector<std::pair<faults::Call, int>>;

const std::string kData = std::string((1 << 20) + 4096, 'x') + "end"; // past one chunk
const std::string kOther = "y" + kData.substr(1);                     // same size, other bytes
const std::string kLate = kData.substr(0, kData.size() - 1) + "!";    // other in its last chunk
const std::string kLong(250, 'a');

class SafeCopyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::writeFile(source, kData, "2016-03-07 10:00");
        ::chmod(source.c_str(), 0640);
        ::mkdir(out.c_str(), 0755);
    }
    void TearDown() override {
        faults::clear();
        const std::string m = fuseMount;
        EXPECT_TRUE(m.empty() || sh("fusermount -u " + m + " || fusermount3 -u " + m) == 0);
    }
    static int sh(const std::string& command) {
        return std::system(("PATH=$PATH:/usr/sbin:/sbin; " + command).c_str());
    }
    void freshOut(const Faults& armed) {
        std::filesystem::remove_all(out);
        ::mkdir(out.c_str(), 0755);
        for (const auto& [call, error] : armed)
            faults::failNext(call, error);
    }
    // Puts a file with the source's bytes, other bytes or text, a folder, a link or a FIFO.
    void place(const std::string& path, const std::string& what) {
        if (what == "dir")
            ::mkdir(path.c_str(), 0755);
        else if (what == "link")
            ASSERT_EQ(::symlink(source.c_str(), path.c_str()), 0);
        else if (what == "fifo")
            ::mkfifo(path.c_str(), 0644);
        else
            test::writeFile(path, what == "same"    ? kData
                                  : what == "other" ? kOther
                                  : what == "late"  ? kLate
                                                    : what);
    }
    test::TempDir dir;
    std::string source = dir / "card/A.JPG";
    std::string out = dir / "out";
    std::string fuseMount;
};

TEST_F(SafeCopyTest, FallbacksCopyAndRealFailuresLeaveNothing) {
    const std::tuple<const char*, Faults, Outcome, int> cases[] = {
        {"nothing refused", {}, Copied, 0},
        {"chmod refused", {{Fchmod, EPERM}}, Copied, 0},
        {"times refused", {{Futimens, EOPNOTSUPP}}, Copied, 0},
        {"chmod fails", {{Fchmod, EIO}}, IoError, EIO},
        {"no unnamed files", {{OpenTmpfile, EOPNOTSUPP}}, Copied, 0},
        {"kernel without unnamed files", {{OpenTmpfile, EISDIR}}, Copied, 0},
        {"unnamed files unknown", {{OpenTmpfile, ENOENT}}, Copied, 0},
        {"no no-replace rename", {{OpenTmpfile, EINVAL}, {Renameat2, EINVAL}}, Copied, 0},
        {"FAT", {{OpenTmpfile, EINVAL}, {Renameat2, EINVAL}, {Link, EPERM}}, NoSafePublish, EPERM},
        {"no staging file", {{OpenTmpfile, EINVAL}, {OpenTemp, EACCES}}, DestinationFolder, EACCES},
        {"link fails", {{Linkat, ENOSPC}}, DiskFull, ENOSPC},
        {"kernel copy across file systems", {{CopyFileRange, EXDEV}}, Copied, 0},
        {"kernel copy refused", {{CopyFileRange, EPERM}}, Copied, 0},
        {"kernel copy copies nothing", {{CopyFileRange, 0}}, Copied, 0},
        {"kernel copy fails", {{CopyFileRange, EIO}}, IoError, EIO},
        {"no kernel copy at all", {{CopyFileRange, EXDEV}, {Sendfile, EINVAL}}, Copied, 0},
        {"kernel copy across ends early", {{CopyFileRange, EXDEV}, {Sendfile, 0}}, Copied, 0},
        {"writes nothing", {{CopyFileRange, EXDEV}, {Sendfile, EIO}, {Write, 0}}, IoError, EIO},
        {"disk full", {{CopyFileRange, EXDEV}, {Sendfile, 0}, {Write, ENOSPC}}, DiskFull, ENOSPC},
        {"read fails", {{CopyFileRange, EXDEV}, {Sendfile, 0}, {Read, EIO}}, SourceUnreadable, EIO},
        {"card file shrinks", {{CopyFileRange, EXDEV}, {Sendfile, 0}, {Read, 0}}, SourceChanged, 0},
        {"flush fails", {{Fdatasync, EIO}}, IoError, EIO},
    };
    for (const auto& [what, armed, outcome, error] : cases) {
        SCOPED_TRACE(what);
        freshOut(armed);
        const CopyOutcome result = copyNoReplace(source, out + "/A.JPG");
        faults::clear();
        EXPECT_EQ(result.outcome, outcome) << describe(result);
        EXPECT_EQ(result.error, error);
        EXPECT_EQ(listTree(out), result.copied() ? Tree{"A.JPG"} : Tree{});
        if (!result.copied())
            continue;
        EXPECT_EQ(readFile(out + "/A.JPG"), kData);
        struct stat copied {};
        ::stat((out + "/A.JPG").c_str(), &copied);
        const faults::Call first = armed.empty() ? Mkdir : armed[0].first;
        EXPECT_TRUE(first == Fchmod || (copied.st_mode & 0777) == 0640);
        EXPECT_TRUE(first == Futimens || copied.st_mtime == test::localTime("2016-03-07 10:00"));
    }
}

// What holds the name is put there before the copy starts or, racing it, just before it is
// published (by each way of publishing), with the same result.
TEST_F(SafeCopyTest, TakenNamesAreComparedAndKeptBothOnRequest) {
    using Items = std::vector<std::pair<std::string, std::string>>; // name, what place() puts
    const std::tuple<std::string, Items, bool, Outcome, std::string> cases[] = {
        {"A.JPG", {}, false, Copied, "A.JPG"},
        {"A.JPG", {{"A.JPG", "same"}}, false, AlreadyThere, "A.JPG"},
        {"A.JPG", {{"A.JPG", "other"}}, false, NameTaken, "A.JPG"},
        {"A.JPG", {{"A.JPG", "late"}}, false, NameTaken, "A.JPG"},
        {"A.JPG", {{"A.JPG", "other"}, {"A-2.JPG", "same"}}, true, AlreadyThere, "A-2.JPG"},
        {kLong + ".JPG", {{kLong + ".JPG", "other"}}, true, NameTooLong, kLong + "-1.JPG"},
        {"A.JPG", {{"A.JPG", "dir"}}, false, NameTaken, "A.JPG"},
        {"A.JPG", {{"A.JPG", "link"}}, false, NameTaken, "A.JPG"},
        {"A.JPG", {{"A.JPG", "fifo"}}, false, NameTaken, "A.JPG"},
        {"A.JPG", {{"A.JPG", "other"}}, true, Copied, "A-1.JPG"},
        {"A.JPG", {{"A.JPG", "other"}, {"A-1.JPG", "same"}}, true, AlreadyThere, "A-1.JPG"},
        {"A.JPG", {{"A.JPG", "dir"}, {"A-1.JPG", "short"}}, true, Copied, "A-2.JPG"},
        {"README", {{"README", "other"}}, true, Copied, "README-1"},
    };
    const Faults publishing[] = {
        {}, {}, {{OpenTmpfile, EINVAL}}, {{OpenTmpfile, EINVAL}, {Renameat2, EINVAL}}};
    for (std::size_t way = 0; way < std::size(publishing); ++way)
        for (const auto& [name, before, keepBoth, outcome, published] : cases) {
            SCOPED_TRACE(name + " keeping both " + std::to_string(keepBoth) + ", way " +
                         std::to_string(way) + ", " + std::to_string(before.size()) + " there");
            freshOut(publishing[way]);
            CopyHooks hooks;
            hooks.beforePublish = [&](const std::string&) {
                for (const auto& [taken, what] : before)
                    place(out + "/" + taken, what);
            };
            if (way == 0)
                std::exchange(hooks.beforePublish, nullptr)(name);
            const CopyOutcome result =
                copyNoReplace(source, out + "/" + name, nullptr, PublishRules{keepBoth}, hooks);
            EXPECT_EQ(result.outcome, outcome) << describe(result);
            EXPECT_EQ(result.destPath, out + "/" + published);
            EXPECT_TRUE(!result.copied() || readFile(result.destPath) == kData);
            EXPECT_EQ(listTree(out).size(), before.size() + (result.copied() ? 1 : 0));
            for (const auto& [taken, what] : before)
                EXPECT_TRUE(what != "other" || readFile(out + "/" + taken) == kOther) << taken;
        }
}

// A source is copied to its end whatever size it reports, and never while it changes.
TEST_F(SafeCopyTest, ASourceIsCopiedToItsEndAndNotWhileItChanges) {
    faults::failNext(SourceStat, 0, 2); // a file system that says it holds 0 bytes
    EXPECT_EQ(copyNoReplace(source, out + "/A.JPG").outcome, Copied);
    EXPECT_EQ(readFile(out + "/A.JPG"), kData);
    CopyHooks hooks;
    hooks.whileCopying = [](const std::string& path) { test::writeFile(path, kOther); };
    EXPECT_EQ(copyNoReplace(source, out + "/B.JPG", nullptr, {}, hooks).outcome, SourceChanged);
    EXPECT_EQ(listTree(out), Tree{"A.JPG"});
}

TEST_F(SafeCopyTest, StaleStagingFilesGoUnlessARunHoldsThem) {
    const std::string held = std::string(kStagingPrefix) + "Held01" + std::string(kStagingSuffix);
    const std::string stale = std::string(kStagingPrefix) + "Stale1" + std::string(kStagingSuffix);
    for (const std::string& name : {held, stale, std::string(".kestrel-A.part"), std::string("B")})
        test::writeFile(out + "/" + name, "partial");
    EXPECT_TRUE(isStagingName(stale));
    EXPECT_FALSE(isStagingName(".kestrel-A.part"));
    // A lock belongs to its open file description: this one contends with the sweep's own.
    const int lock = ::open((out + "/" + held).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    removeStaleTemporaries(out);
    ::close(lock);
    EXPECT_EQ(listTree(out), (Tree{".kestrel-A.part", held, "B"}));
}

TEST_F(SafeCopyTest, PathsLongerThanPathMaxAreCopiedBothWays) {
    std::string deep = out;
    for (char c = 'a'; c < 'a' + 20; ++c)
        deep += "/" + std::string(250, c);
    ASSERT_EQ(sh("mkdir -p " + deep), 0);
    EXPECT_EQ(copyNoReplace(source, deep + "/A.JPG").outcome, Copied);
    EXPECT_EQ(copyNoReplace(source, deep + "/A.JPG").outcome, AlreadyThere);
    EXPECT_EQ(copyNoReplace(deep + "/A.JPG", out + "/B.JPG").outcome, Copied);
    EXPECT_EQ(readFile(out + "/B.JPG"), kData);
    // Deeper than the temporary folder's own cleanup reaches.
    EXPECT_EQ(sh("rm -rf " + out), 0);
}

TEST_F(SafeCopyTest, MissingFoldersAndFlushesReportTheirErrors) {
    const CopyOutcome missing = copyNoReplace(source, out + "/none/A.JPG");
    EXPECT_EQ(std::pair(missing.outcome, missing.error), std::pair(DestinationFolder, ENOENT));
    StagedCopy staged;
    ASSERT_TRUE(StagedCopy::stage(source, out + "/A.JPG", nullptr, {}, staged).copied());
    freshOut({{Syncfs, EROFS}, {Fsync, EIO}});
    EXPECT_EQ(staged.flushFileSystem(), EROFS);
    EXPECT_EQ(syncFolder(out), EIO);
    EXPECT_EQ(syncFolder(out + "/missing"), ENOENT);
}

// fusefat returns once its file system is mounted. One thread serves it, so requests are handled
// in the order they are sent: a file's release, sent as it is closed, before a later unlink.
TEST_F(SafeCopyTest, FatUnderFuseRefusesAndKeepsNothing) {
    const std::string image = dir / "fat.img";
    if (::access("/dev/fuse", R_OK | W_OK) != 0 || sh("command -v fusefat mkfs.vfat >/dev/null"))
        GTEST_SKIP() << "needs /dev/fuse, fusefat and mkfs.vfat";
    ASSERT_EQ(sh("truncate -s 8M " + image + " && mkfs.vfat " + image + " >/dev/null"), 0);
    ::mkdir((dir / "fat").c_str(), 0755);
    if (sh("fusefat -s -o rw+ " + image + " " + dir / "fat" + " >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "fusefat cannot mount here";
    ASSERT_EQ(sh("mountpoint -q " + dir / "fat"), 0); // it reads /proc/self/mountinfo
    fuseMount = dir / "fat";
    EXPECT_EQ(fileSystemName(fuseMount), "fuse.fusefat");
    const CopyOutcome result = copyNoReplace(source, fuseMount + "/A.JPG");
    EXPECT_EQ(result.outcome, NoSafePublish) << describe(result);
    EXPECT_EQ(listTree(fuseMount), Tree{});
}

} // namespace
} // namespace kestrel
