// A run killed in the middle of copying: whatever it leaves under a final name is a
// complete copy, and the next run completes the card around its leftovers.

#include "FaultHarness.h"

#include "CopyHandler.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <iostream>
#include <random>
#include <sstream>

namespace kestrel::faults {
namespace {

// One photo of the card: where it is and where a run files it.
struct CardPhoto {
    std::string source;
    std::string tag;
    std::string copy;
};

// The lines a killed run wrote out in full; its last line may have been cut short.
std::string wholeLines(const std::string& out) {
    return out.substr(0, out.rfind('\n') + 1);
}

class KillFaults : public CardTest {
  protected:
    // Adds a photo of size bytes to the card and the list of what the run must file.
    void add(const std::string& relative, std::size_t size, const std::string& tag) {
        const std::string path = photo(relative, noise(size, photos.size() + 1));
        photos.push_back({path, tag, ""});
    }

    // Points the JPG and RAW destinations at folder (made now).
    void destination(const std::string& folder) {
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        prefs.set({{"kestrelImportPath", folder}, {"kestrelImportPathRAW", folder}});
        for (CardPhoto& p : photos)
            p.copy = folder + "/" + p.tag + "/2016/03/07" + p.source.substr(p.source.rfind('/'));
    }

    // After a run that may have been killed: every file under a final name is a complete
    // copy of its photo, nothing else is there but temporary files. Returns the photos
    // already copied.
    std::set<std::string> expectOnlyCompleteCopies(const std::string& folder, const Tree& sources) {
        Tree expected;
        std::set<std::string> copied;
        const Tree after = snapshot(folder);
        for (const CardPhoto& p : photos) {
            if (after.count(p.copy)) {
                addWithFolders(expected, folder, p.copy, sources.at(p.source));
                copied.insert(p.source);
            }
        }
        // Folders the run made before it was killed are fine, empty or not.
        for (const auto& [path, node] : after)
            if (node.kind == 'd')
                expected[path] = node;
        expectTree(after, expected, "destination after the kill", true);
        return copied;
    }

    // Imports the card again, undisturbed: it copies exactly the photos not yet copied,
    // leaves the earlier copies and the leftover temporary files alone, and tells so.
    void expectRerunCompletes(const std::string& folder, const Tree& sources,
                              const std::set<std::string>& copied) {
        const auto leftovers = tempFilesBelow(folder);
        ExpectedLog log;
        for (const auto& [path, node] : snapshot(folder))
            if (node.kind == 'd')
                log.folders.insert(path + "/");
        log.start(card + "/");
        log.counted(static_cast<int>(photos.size()));
        for (const CardPhoto& p : photos)
            log.entry(p.source, folder, p.tag, ymd(day), !copied.count(p.source));

        const ChildResult result = runChild({test::kestrelImport(), card});
        expectSameLines(result.out, log.text);
        EXPECT_EQ(result.err, finalMessage(log.entries, log.notCopied) + "\n");
        EXPECT_EQ(result.exitCode, copied.empty() ? 0 : 1);

        expectTree(snapshot(card), sources, "card");
        Tree expected;
        for (const CardPhoto& p : photos)
            addWithFolders(expected, folder, p.copy, sources.at(p.source));
        expectTree(snapshot(folder), expected, "destination after the second run", true);
        EXPECT_EQ(tempFilesBelow(folder), leftovers);
    }

    std::vector<CardPhoto> photos;
};

TEST_F(KillFaults, FileSizeLimitKillsTheRunMidCopyAndTheNextRunCompletes) {
    add("DCIM/1.JPG", 100 << 10, "JPG");
    add("DCIM/2.MOV", 4 << 20, "JPG");
    add("DCIM/3.NEF", 10 << 10, "RAW");
    const Tree sources = snapshot(card);
    destination(dest + "/photos");

    ChildOptions options;
    options.argv = {test::kestrelImport(), card};
    options.fileSizeLimit = 1 << 20;
    const ChildResult killed = runChild(options);
    EXPECT_EQ(killed.exitCode, 128 + SIGXFSZ) << killed.err;

    expectTree(snapshot(card), sources, "card");
    expectTrueMeansComplete(wholeLines(killed.out), sources, dest);
    const auto copied = expectOnlyCompleteCopies(dest + "/photos", sources);
    EXPECT_FALSE(copied.count(photos[1].source));
    EXPECT_FALSE(copied.count(photos[2].source));
    // The clip that did not fit was cut short in a temporary file, never under its name.
    EXPECT_FALSE(tempFilesBelow(dest + "/photos").empty());

    expectRerunCompletes(dest + "/photos", sources, copied);
}

TEST_F(KillFaults, KillJustBeforePublishLeavesNoFinalNameAndTheNextRunCompletes) {
    add("DCIM/1.JPG", 4096, "JPG");
    add("DCIM/2.JPG", 4097, "JPG");
    add("DCIM/3.RAF", 1, "RAW");
    const Tree sources = snapshot(card);
    const std::string folder = dest + "/photos";
    destination(folder);

    // A child runs the import and dies the moment 2.JPG is complete and flushed but not
    // yet published.
    std::cout.flush();
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::ostringstream out;
        test::RecordingSink sink;
        CopyHandler handler(sink, out);
        handler.hooks.beforePublish = [](const std::string& destPath) {
            if (destPath.ends_with("/2.JPG"))
                ::raise(SIGKILL);
        };
        handler.prepareProcessing(card);
        ::_exit(3); // the hook never fired
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;

    expectTree(snapshot(card), sources, "card");
    const auto copied = expectOnlyCompleteCopies(folder, sources);
    EXPECT_EQ(copied, std::set<std::string>{photos[0].source});
    // 2.JPG's data waits, whole, in a temporary file that the next run leaves alone.
    const auto temps = tempFilesBelow(folder);
    ASSERT_FALSE(temps.empty());
    EXPECT_TRUE(std::any_of(temps.begin(), temps.end(), [&](const std::string& temp) {
        return test::readFile(temp) == sources.at(photos[1].source).data;
    }));

    expectRerunCompletes(folder, sources, copied);
}

TEST_F(KillFaults, KillAtSeededRandomPointsAndTheNextRunCompletes) {
    add("DCIM/100/A.JPG", 256 << 10, "JPG");
    add("DCIM/100/B.MOV", 24 << 20, "JPG");
    add("DCIM/100/C.RAF", 1024, "RAW");
    add("DCIM/100/D.JPG", 4097, "JPG");
    add("DCIM/100/E.MOV", 12 << 20, "JPG");
    add("DCIM/100/F.JPG", 0, "JPG");
    add("DCIM/100/G.DNG", 2 << 20, "DNG");
    const Tree sources = snapshot(card);

    int killedMidRun = 0;
    constexpr int kRounds = 6;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::mt19937 random(20240611u + static_cast<unsigned>(round));
        // Rounds take turns: kill once so many files (temporary or final) have appeared at
        // the destination, once so many files have their final names, or after a delay;
        // each plus a few hundred microseconds more.
        const int mode = round % 3;
        const std::size_t trigger = std::uniform_int_distribution<std::size_t>(1, 7)(random);
        const long delayMicros = std::uniform_int_distribution<long>(0, 120000)(random);
        const long extraMicros = std::uniform_int_distribution<long>(0, 3000)(random);
        const std::string folder = dest + "/round" + std::to_string(round);
        destination(folder);

        bool killed = false;
        ChildOptions options;
        options.argv = {test::kestrelImport(), card};
        options.whileRunning = [&](pid_t pid) {
            const auto start = std::chrono::steady_clock::now();
            const auto deadline = start + std::chrono::seconds(60);
            std::set<std::string> seen;
            for (;;) {
                siginfo_t info{};
                if (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) !=
                        0 ||
                    info.si_pid != 0)
                    return; // ended before the trigger: nothing to kill
                const auto now = std::chrono::steady_clock::now();
                if (now > deadline)
                    break;
                if (mode == 2) {
                    if (now - start >= std::chrono::microseconds(delayMicros))
                        break;
                } else {
                    for (const std::string& file : filesBelow(folder))
                        if (mode == 0 || !isTempName(file))
                            seen.insert(file);
                    if (seen.size() >= trigger)
                        break;
                }
                pauseMicros(200);
            }
            pauseMicros(extraMicros);
            killed = ::kill(pid, SIGKILL) == 0;
        };
        const ChildResult first = runChild(options);
        if (first.exitCode == 128 + SIGKILL && killed)
            ++killedMidRun;
        else
            EXPECT_EQ(first.exitCode, 0) << first.err;

        expectTree(snapshot(card), sources, "card");
        expectTrueMeansComplete(wholeLines(first.out), sources, folder);
        const auto copied = expectOnlyCompleteCopies(folder, sources);
        std::cout << "round " << round << ": exit " << first.exitCode << ", " << copied.size()
                  << " copied, " << tempFilesBelow(folder).size() << " temporary files left\n";
        expectRerunCompletes(folder, sources, copied);
    }
    RecordProperty("killedMidRun", killedMidRun);
    std::cout << killedMidRun << " of " << kRounds << " runs were killed before they ended\n";
}

} // namespace
} // namespace kestrel::faults
