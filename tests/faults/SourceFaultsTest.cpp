// Faults at the source: files that change between the scan and their copy, and items that
// are not regular files although their names say photo.

#include "FaultHarness.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace kestrel::faults {
namespace {

using SourceFaults = CardTest;

TEST_F(SourceFaults, SourceChangedBetweenScanAndCopy) {
    const std::string removed = photo("A.JPG", noise(5000, 1));
    const std::string truncated = photo("B.JPG", noise(5000, 2));
    const std::string emptied = photo("C.JPG", noise(4097, 3));
    const std::string replaced = photo("D.JPG", noise(3000, 4));
    const std::string fifo = photo("E.JPG", noise(100, 5));
    const std::string linked = photo("F.JPG", noise(100, 6));
    const std::string untouched = photo("G.JPG", noise(4096, 7));
    const std::string grown = photo("H.CR2", noise(4095, 8));
    const std::string original = test::readFile(truncated);

    // Between the scan and the first copy the card changes under the run.
    Tree changed;
    InProcessRun run;
    run.sink.onSetBar = [&] {
        ASSERT_EQ(::unlink(removed.c_str()), 0);
        ASSERT_EQ(::truncate(truncated.c_str(), 10), 0);
        ASSERT_EQ(::truncate(emptied.c_str(), 0), 0);
        // A new file under the old name: written beside it, then renamed over it.
        test::writeFile(card + "/new", "another photo");
        ASSERT_EQ(::rename((card + "/new").c_str(), replaced.c_str()), 0);
        ASSERT_EQ(::mkfifo((card + "/fifo").c_str(), 0644), 0);
        ASSERT_EQ(::rename((card + "/fifo").c_str(), fifo.c_str()), 0);
        ASSERT_EQ(::symlink("G.JPG", (card + "/link").c_str()), 0);
        ASSERT_EQ(::rename((card + "/link").c_str(), linked.c_str()), 0);
        const int fd = ::open(grown.c_str(), O_WRONLY | O_APPEND);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "more", 4), 4);
        ::close(fd);
        changed = snapshot(card);
    };
    const RunResult result = run.run(card);

    ExpectedLog log;
    log.start(card + "/");
    log.counted(8);
    log.entry(removed, dest, "JPG", ymd(day), false);
    const std::string truncatedCopy = log.entry(truncated, dest, "JPG", ymd(day), true);
    log.entry(emptied, dest, "JPG", ymd(day), true);
    log.entry(replaced, dest, "JPG", ymd(day), false);
    log.entry(fifo, dest, "JPG", ymd(day), false);
    log.entry(linked, dest, "JPG", ymd(day), false);
    log.entry(untouched, dest, "JPG", ymd(day), true);
    log.entry(grown, dest, "RAW", ymd(day), true);
    expectSameLines(result.out, log.text);
    EXPECT_EQ(result.notCopied, 4);
    EXPECT_EQ(result.calls.back(), "sayFinished 4");

    // What was copied is the file as it was when copied, whole.
    expectTree(snapshot(card), changed, "card");
    expectTrueMeansComplete(result.out, changed, dest);
    EXPECT_EQ(test::readFile(truncatedCopy), original.substr(0, 10));
    Tree expected;
    const std::string folder = dest + "/JPG/2016/03/07/";
    addWithFolders(expected, dest, folder + "B.JPG", changed.at(truncated));
    addWithFolders(expected, dest, folder + "C.JPG", changed.at(emptied));
    addWithFolders(expected, dest, folder + "G.JPG", changed.at(untouched));
    addWithFolders(expected, dest, dest + "/RAW/2016/03/07/H.CR2", changed.at(grown));
    expectTree(snapshot(dest), expected, "destination");
}

// Makes a socket file at path; false when the path is too long for one.
bool makeSocket(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool made =
        fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return made;
}

// Items named like photos that are no regular files never hang the run and never reach the
// destination; the photos inside a folder named like one are copied on their own. The run
// is a child process under a watchdog, so a FIFO that blocks fails the test, not the suite.
TEST_F(SourceFaults, SpecialItemsNamedLikePhotosFailWithoutHanging) {
    const std::string dcim = card + "/DCIM";
    const std::string folder = dcim + "/100";
    const std::string backup = card + "/Backup.JPG";
    const std::string clip = photo("Backup.JPG/Deeper.MOV/CLIP.MOV", noise(4097, 1));
    const std::string inner = photo("Backup.JPG/IMG_1.JPG", noise(1, 2));
    const std::string plain = photo("DCIM/100/A.JPG", noise(4096, 3));

    const std::string dangling = folder + "/dangling.NEF";
    const std::string link = folder + "/link.JPG";
    const std::string device = folder + "/null.JPG";
    const std::string ping = folder + "/ping.JPG";
    const std::string pipe = folder + "/pipe.JPG";
    const std::string pong = folder + "/pong.JPG";
    const std::string self = folder + "/self.JPG";
    const std::string socket = folder + "/sock.JPG";
    const std::string up = dcim + "/loop";
    const std::string here = dcim + "/loop.JPG";
    ASSERT_EQ(::symlink("missing.NEF", dangling.c_str()), 0);
    ASSERT_EQ(::symlink("A.JPG", link.c_str()), 0);
    const bool haveDevice = ::mknod(device.c_str(), S_IFCHR | 0644, makedev(1, 3)) == 0;
    ASSERT_EQ(::symlink("pong.JPG", ping.c_str()), 0);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    ASSERT_EQ(::symlink("ping.JPG", pong.c_str()), 0);
    ASSERT_EQ(::symlink("self.JPG", self.c_str()), 0);
    ASSERT_TRUE(makeSocket(socket));
    ASSERT_EQ(::symlink("..", up.c_str()), 0);
    ASSERT_EQ(::symlink(".", here.c_str()), 0);
    for (const std::string& item : {dangling, link, ping, pipe, pong, self, socket, up, here,
                                    backup + "/Deeper.MOV", backup, folder, dcim})
        test::setModified(item, "2016-03-07 10:00");
    if (haveDevice)
        test::setModified(device, "2016-03-07 10:00");
    const Tree sources = snapshot(card);

    ChildOptions options;
    options.argv = {test::kestrelImport(), card};
    options.watchdogSeconds = 120;
    const ChildResult result = runChild(options);
    ASSERT_FALSE(result.hung) << "the run hung; its log so far:\n" << result.out;

    ExpectedLog log;
    log.start(card + "/");
    log.counted(haveDevice ? 14 : 13);
    log.entry(backup, dest, "JPG", ymd(day), false);
    log.entry(backup + "/Deeper.MOV", dest, "JPG", ymd(day), false);
    const std::string clipCopy = log.entry(clip, dest, "JPG", ymd(day), true);
    const std::string innerCopy = log.entry(inner, dest, "JPG", ymd(day), true);
    const std::string plainCopy = log.entry(plain, dest, "JPG", ymd(day), true);
    log.entry(dangling, dest, "RAW", ymd(day), false);
    log.entry(link, dest, "JPG", ymd(day), false);
    if (haveDevice)
        log.entry(device, dest, "JPG", ymd(day), false);
    for (const std::string& item : {ping, pipe, pong, self, socket})
        log.entry(item, dest, "JPG", ymd(day), false);
    log.entry(here, dest, "JPG", ymd(day), false);
    expectSameLines(result.out, log.text);
    EXPECT_EQ(result.err, finalMessage(log.entries, log.notCopied) + "\n");
    EXPECT_EQ(result.exitCode, 1);

    expectTree(snapshot(card), sources, "card");
    expectTrueMeansComplete(result.out, sources, dest);
    Tree expected;
    addWithFolders(expected, dest, clipCopy, sources.at(clip));
    addWithFolders(expected, dest, innerCopy, sources.at(inner));
    addWithFolders(expected, dest, plainCopy, sources.at(plain));
    expected[dest + "/RAW"] = folderNode();
    expected[dest + "/RAW/2016"] = folderNode();
    expected[dest + "/RAW/2016/03"] = folderNode();
    expected[dest + "/RAW/2016/03/07"] = folderNode();
    expectTree(snapshot(dest), expected, "destination");
}

// A folder that contains itself (a bind mount) is walked once and never loops.
TEST_F(SourceFaults, FolderLoopIsWalkedOnce) {
    const std::string plain = photo("DCIM/A.JPG", noise(100, 1));
    const std::string loop = card + "/DCIM/loop";
    ASSERT_EQ(::mkdir(loop.c_str(), 0755), 0);
    BindMount bind(card, loop);
    if (!bind.mounted())
        GTEST_SKIP() << "cannot bind-mount here: " << bind.error();
    ASSERT_EQ(test::readFile(loop + "/DCIM/A.JPG"), test::readFile(plain));

    ChildOptions options;
    options.argv = {test::kestrelImport(), card};
    options.watchdogSeconds = 120;
    const ChildResult result = runChild(options);
    ASSERT_FALSE(result.hung) << "the run hung; its log so far:\n" << result.out;

    ExpectedLog log;
    log.start(card + "/");
    log.counted(1);
    const std::string copy = log.entry(plain, dest, "JPG", ymd(day), true);
    expectSameLines(result.out, log.text);
    EXPECT_EQ(result.err, finalMessage(1, 0) + "\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(test::readFile(copy), test::readFile(plain));
}

// A photo whose path is too long to name is reported as an entry that could not be read,
// never skipped in silence; its sibling with a shorter name is copied.
TEST_F(SourceFaults, PathTooLongIsReportedNotLost) {
    // Folders nest until their path is just under PATH_MAX; only relative operations reach
    // further down.
    int folder = ::open(card.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    std::string path = card;
    for (int i = 0; path.size() < 4080; ++i) {
        const std::string name =
            std::string(std::min<std::size_t>(200, 4080 - path.size() - 1), 'a' + i % 26);
        ASSERT_EQ(::mkdirat(folder, name.c_str(), 0755), 0);
        const int inner = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(inner, 0);
        ::close(folder);
        folder = inner;
        path += "/" + name;
    }
    const timespec times[2] = {{day, 0}, {day, 0}};
    const std::string shortName = "A.JPG";
    const std::string longName = "IMG_0001_far_too_long.JPG";
    for (const std::string& name : {shortName, longName}) {
        const int fd = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, name.data(), name.size()), static_cast<ssize_t>(name.size()));
        ASSERT_EQ(::futimens(fd, times), 0);
        ::close(fd);
    }
    ASSERT_LT((path + "/" + shortName).size(), 4096u);
    ASSERT_GE((path + "/" + longName).size(), 4096u);

    InProcessRun run;
    const RunResult result = run.run(card);

    ExpectedLog log;
    log.start(card + "/");
    log.line("error");
    log.counted(2);
    const std::string copy = log.entry(path + "/" + shortName, dest, "JPG", ymd(day), true);
    log.line("ERR skipped");
    expectSameLines(result.out, log.text);
    EXPECT_EQ(result.notCopied, 1);
    EXPECT_EQ(result.calls.back(), "sayFinished 1");
    EXPECT_EQ(test::readFile(copy), shortName);

    // Paths this long are beyond what the temporary folder's removal can reach.
    EXPECT_EQ(::unlinkat(folder, longName.c_str(), 0), 0);
    ::close(folder);
}

} // namespace
} // namespace kestrel::faults
