// Whole import runs through CopyHandler, with real cards and destinations in temporary
// folders: what is picked, where it goes, and what becomes of every file.
#include "FlushSpy.h"
#include "TestSupport.h"
#include "base/FaultPoints.h"
#include "plan/JobSequence.h"
#include "record/Verdict.h"
#include "run/CardSurvey.h"
#include "run/CopyHandler.h"
#include "run/DestinationCheck.h"
#include "run/Preferences.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <numeric>

namespace kestrel::test {
namespace {

using enum Outcome;
using Tree = std::vector<std::string>;
using Prefs = std::map<std::string, std::string>;
const std::string kDay = "2016-03-07 10:00";

// Writes data into name at the end of a chain of folders longer than PATH_MAX below root.
std::string writeDeep(const std::string& root, const char* name, const std::string& data) {
    std::string deep = root;
    int folder = ::open(root.c_str(), O_RDONLY | O_DIRECTORY);
    for (char c = 'a'; c < 'a' + 18; ++c) {
        const std::string level(250, c);
        ::mkdirat(folder, level.c_str(), 0755);
        const int next = ::openat(folder, level.c_str(), O_RDONLY | O_DIRECTORY);
        ::close(folder);
        folder = next;
        deep += "/" + level;
    }
    const int file = ::openat(folder, name, O_WRONLY | O_CREAT, 0644);
    const timespec times[2] = {{localTime(kDay), 0}, {localTime(kDay), 0}};
    EXPECT_TRUE(::write(file, data.data(), data.size()) == ssize_t(data.size()) &&
                ::futimens(file, times) == 0);
    ::close(file);
    ::close(folder);
    return deep + "/" + name;
}

class ImportTest : public ::testing::Test {
  protected:
    ImportTest() { reset({}); }
    // A fresh destination and the window's start-up options, changed by prefs.
    void reset(const Prefs& prefs) {
        std::filesystem::remove_all(dest.path());
        std::filesystem::create_directory(dest.path());
        std::filesystem::remove(sandbox.preferencesFile());
        applyStartupDefaults(*openPreferences());
        sandbox.set({{keys::ImportPath, dest.path()},
                     {keys::ImportPathRAW, dest.path()},
                     {keys::ModDate, "1"},
                     {keys::KeepBoth, "0"}});
        sandbox.set(prefs);
        sink = RecordingSink{};
    }
    std::string photo(const std::string& relative, const std::string& data = "photo") {
        writeFile(card / relative, data, kDay);
        return card / relative;
    }
    RunResult run(const CopyHooks& hooks = {}, StopRequest* stop = nullptr) {
        return importFolder(card.path(), sink, hooks, stop);
    }
    std::string copyOf(const std::string& name, const std::string& tag = "JPG") {
        return dest / (tag + "/2016/03/07/" + name);
    }

    Sandbox sandbox;
    TempDir card, dest;
    RecordingSink sink;
};

TEST_F(ImportTest, TheLogStatusAndReportOfARun) {
    photo("DCIM/A.JPG", "a");
    photo("DCIM/B.CR2", "b");
    photo("DCIM/C.dng", "c");
    photo("DCIM/odd\tname\n.JPG", "d");
    photo("notes.txt");
    ASSERT_EQ(::mkfifo((card / "DCIM/F.JPG").c_str(), 0644), 0);
    setModified(card / "DCIM/F.JPG", kDay);
    const std::string c = card.path(), d = dest.path();
    const RunResult first = run();
    // The folder lines before a copy into tag's day folder; made the first time.
    const auto folders = [&](const std::string& tag, bool made) {
        std::vector<std::string> lines;
        for (const char* level : {"/", "/2016/", "/2016/03/", "/2016/03/07/"}) {
            lines.push_back("path: " + d + "/" + tag + level);
            if (made)
                lines.push_back("makeFolder: " + d + "/" + tag + level);
        }
        return lines;
    };
    std::vector<std::vector<std::string>> expected = {
        {c + "/", "Ende: 5 Dateien gefunden und in Datei-Array geschrieben."},
        folders("JPG", true),
        {c + "/DCIM/A.JPG -> " + d + "/JPG/2016/03/07/A.JPG true"},
        folders("RAW", true),
        {c + "/DCIM/B.CR2 -> " + d + "/RAW/2016/03/07/B.CR2 true"},
        folders("DNG", true),
        {c + "/DCIM/C.dng -> " + d + "/DNG/2016/03/07/C.dng true"},
        folders("JPG", false),
        {"copy-error", c + "/DCIM/F.JPG -> " + d + "/JPG/2016/03/07/F.JPG false"},
        folders("JPG", false),
        {"$'" + c + "/DCIM/odd\\tname\\n.JPG' -> $'" + d +
         "/JPG/2016/03/07/odd\\tname\\n.JPG' true"}};
    EXPECT_EQ(first.out,
              std::accumulate(expected.begin(), expected.end(), std::vector<std::string>{},
                              [](auto all, const auto& part) {
                                  all.insert(all.end(), part.begin(), part.end());
                                  return all;
                              }));
    EXPECT_THAT(sink.calls,
                testing::ElementsAre(
                    "sayNothing", "setBar 5", "setBarInc 1 of 5 (A.JPG)", "stopBar",
                    "setBarInc 2 of 5 (B.CR2)", "stopBar", "setBarInc 3 of 5 (C.dng)", "stopBar",
                    "setBarInc 4 of 5 (F.JPG)", "stopBar", "setBarInc 5 of 5 (odd\tname\n.JPG)",
                    "stopBar", "sayFinished copying of 5 files finished. 1 not copied."));
    const std::string report = readFile(first.summary.reportPath);
    EXPECT_THAT(report, testing::HasSubstr("\nnot-a-regular-file\t" + c + "/DCIM/F.JPG\t" + d +
                                           "/JPG/2016/03/07/F.JPG\tnot a regular file\n"));
    EXPECT_THAT(report, testing::HasSubstr("\ncopied\t" + c + "/DCIM/odd\\011name\\012.JPG\t"));
    EXPECT_EQ(readFile(copyOf("B.CR2", "RAW")), "b");

    const RunResult again = run();
    EXPECT_EQ(finishedMessage(again.summary),
              "copying of 5 files finished. 4 already there. 1 not copied.");
    EXPECT_EQ(again.of(c + "/DCIM/B.CR2").outcome, AlreadyThere);
}

// Which files a run picks, by the exact ending of their paths, and the tag folder of each.
TEST_F(ImportTest, PicksFilesByTheEndingOfTheirPaths) {
    for (const char* name :
         {"a.jpg", "b.JPG",  "c.mov",  "d.MOV",     "e.raf", "f.RAF",  "g.cr2",
          "h.CR2", "i.nef",  "j.NEF",  "k.dng",     "l.DNG", "m.tif",  "n.TIF",
          "o.Jpg", "p.jpeg", "q.tiff", "r.JPG.txt", "s.xmp", ".t.JPG", "U.JPG/v.NEF"})
        photo(name);
    setModified(card / "U.JPG", kDay);
    run();
    EXPECT_THAT(listTree(dest.path()),
                testing::IsSupersetOf(
                    Tree{"JPG/2016/03/07/a.jpg", "JPG/2016/03/07/b.JPG", "JPG/2016/03/07/c.mov",
                         "JPG/2016/03/07/d.MOV", "RAW/2016/03/07/e.raf", "RAW/2016/03/07/f.RAF",
                         "RAW/2016/03/07/g.cr2", "RAW/2016/03/07/h.CR2", "RAW/2016/03/07/i.nef",
                         "RAW/2016/03/07/j.NEF", "DNG/2016/03/07/k.dng", "DNG/2016/03/07/l.DNG",
                         "DNG/2016/03/07/m.tif", "DNG/2016/03/07/n.TIF", "JPG/2016/03/07/.t.JPG",
                         "RAW/2016/03/07/v.NEF"}));
    EXPECT_EQ(listTree(dest.path()).size(), 16u + 12u) << "16 files in 12 folders";
}

// The group flags choose what is counted; the JPG side's date levels hold for every group.
TEST_F(ImportTest, GroupsAndDateLevels) {
    const std::pair<Prefs, Tree> cases[] = {
        {{}, {"JPG/2016/03/07/A.JPG", "RAW/2016/03/07/B.NEF"}},
        {{{keys::JPG, "0"}}, {"RAW/2016/03/07/B.NEF"}},
        {{{keys::RAW, "x"}}, {"JPG/2016/03/07/A.JPG"}},
        {{{keys::JPGMonth, "0"}, {keys::JPGDay, "0"}}, {"JPG/2016/A.JPG", "RAW/2016/B.NEF"}},
        {{{keys::RAWYear, "0"}, {keys::RAWDay, "0"}},
         {"JPG/2016/03/07/A.JPG", "RAW/2016/03/07/B.NEF"}},
        {{{keys::JPGYear, "0"}, {keys::JPGMonth, "0"}, {keys::JPGDay, "0"}},
         {"JPG/A.JPG", "RAW/B.NEF"}},
        {{{keys::JPGYear, "0"}}, {"JPG/03/07/A.JPG", "RAW/03/07/B.NEF"}},
    };
    photo("A.JPG");
    photo("B.NEF");
    for (const auto& [prefs, files] : cases) {
        reset(prefs);
        const RunResult result = run();
        EXPECT_EQ(filesBelow(dest.path()), files) << testing::PrintToString(prefs);
        EXPECT_EQ(result.summary.matched, static_cast<int>(files.size()));
    }
    // A store never set up matches nothing.
    std::filesystem::remove(sandbox.preferencesFile());
    EXPECT_EQ(run().summary.matched, 0);
}

// Times are placed in the local calendar of TZ; by birth time unless modification is chosen.
TEST_F(ImportTest, DatesFollowTheLocalCalendar) {
    const timespec late[2] = {{1457393400, 0}, {1457393400, 0}}; // 2016-03-07 23:30 UTC
    writeFile(card / "A.JPG", "a");
    ASSERT_EQ(::utimensat(AT_FDCWD, (card / "A.JPG").c_str(), late, 0), 0);
    for (const auto& [zone, modified, day] :
         {std::tuple{"UTC0", "1", "2016/03/07"}, std::tuple{"<+14>-14", "1", "2016/03/08"},
          std::tuple{"<-10>10", "1", "2016/03/07"}}) {
        const EnvScope tz("TZ", zone);
        reset({{keys::ModDate, modified}});
        run();
        EXPECT_TRUE(std::filesystem::exists(dest / ("JPG/" + std::string(day) + "/A.JPG"))) << zone;
    }
    reset({{keys::ModDate, "0"}});
    struct statx birth {};
    ASSERT_EQ(::statx(AT_FDCWD, (card / "A.JPG").c_str(), 0, STATX_BTIME, &birth), 0);
    if (!(birth.stx_mask & STATX_BTIME))
        GTEST_SKIP() << "this file system keeps no birth times";
    run();
    EXPECT_FALSE(std::filesystem::exists(dest / "JPG/2016"));
}

// One file on the card, what is at the destination before, and what becomes of it.
TEST_F(ImportTest, EveryFileEndsWithOneOutcome) {
    struct Case {
        const char* what;
        std::function<void(const std::string& card, const std::string& day)> before;
        Prefs prefs;
        Outcome outcome;
        const char* published; // the copy's name in the day folder
    };
    const auto put = [](const char* name, const char* data) {
        return [=](const std::string&, const std::string& day) { writeFile(day + name, data); };
    };
    const bool root = ::geteuid() == 0;
    using Card = const std::string&;
    const auto dayIsAFile = [](Card, Card day) { writeFile(day.substr(0, day.size() - 1), "x"); };
    const auto fifo = [](Card card, Card) {
        std::filesystem::remove(card + "/A.JPG");
        ::mkfifo((card + "/A.JPG").c_str(), 0644);
    };
    const auto link = [](Card card, Card) {
        std::filesystem::rename(card + "/A.JPG", card + "/real");
        std::filesystem::create_symlink("real", card + "/A.JPG");
    };
    const auto clipNotFlushed = [](Card card, Card) { // large files are flushed one by one
        writeFile(card + "/A.JPG", std::string(16 << 20, 'c'));
        faults::failNext(faults::Call::Fdatasync, EIO);
    };
    const auto unreadable = [root](Card card, Card) {
        if (!root)
            ::chmod((card + "/A.JPG").c_str(), 0);
        faults::failNext(faults::Call::OpenSource, EACCES);
    };
    const Prefs gone = {{keys::ImportPath, "/nonexistent/photos"}};
    const Case cases[] = {
        {"nothing there", {}, {}, Copied, "A.JPG"},
        {"the same bytes there", put("A.JPG", "photo"), {}, AlreadyThere, "A.JPG"},
        {"a different photo there", put("A.JPG", "other"), {}, NameTaken, "A.JPG"},
        {"keeping both", put("A.JPG", "other"), {{keys::KeepBoth, "1"}}, Copied, "A-1.JPG"},
        {"the day is a file", dayIsAFile, {}, DestinationFolder, "A.JPG"},
        {"no destination folder", {}, gone, DestinationFolder, "A.JPG"},
        {"no destination chosen", {}, {{keys::ImportPath, "<nil>"}}, NoDestination, "A.JPG"},
        {"a FIFO on the card", fifo, {}, NotARegularFile, "A.JPG"},
        {"a link on the card", link, {}, NotARegularFile, "A.JPG"},
        {"a clip whose flush fails", clipNotFlushed, {}, IoError, "A.JPG"},
        {"a photo that cannot be read", unreadable, {}, SourceUnreadable, "A.JPG"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(card.path());
        photo("A.JPG");
        reset(c.prefs);
        if (c.before)
            c.before(card.path(), copyOf(""));
        const Tree before = filesBelow(dest.path());
        const RunResult result = run();
        faults::clear();
        const CopyOutcome outcome = result.of(card / "A.JPG");
        EXPECT_EQ(outcome.outcome, c.outcome) << describe(outcome);
        Tree expected = before;
        if (c.outcome == Copied) {
            expected.push_back("JPG/2016/03/07/" + std::string(c.published));
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(readFile(copyOf(c.published)), "photo");
        }
        EXPECT_EQ(filesBelow(dest.path()), expected) << "nothing else is made or replaced";
        EXPECT_FALSE(std::filesystem::exists("/nonexistent"));
        EXPECT_EQ(result.summary.done(), outcome.safe() ? 1 : 0);
    }
}

// Between the scan and the copies the card changes under the run.
TEST_F(ImportTest, ACardThatChangesUnderTheRunLosesNothing) {
    const std::string removed = photo("A.JPG", "aaaa"), truncated = photo("B.JPG", "bbbb"),
                      replaced = photo("C.JPG", "cccc"), linked = photo("D.JPG", "dddd"),
                      untouched = photo("E.JPG", "eeee"), piped = photo("F.JPG", "ffff");
    sink.onBar = [&] {
        ::mkfifo((card / "fifo").c_str(), 0644);
        std::filesystem::rename(card / "fifo", piped);
        std::filesystem::remove(removed);
        ::truncate(truncated.c_str(), 1);
        writeFile(card / "new", "another");
        std::filesystem::rename(card / "new", replaced);
        std::filesystem::remove(linked);
        std::filesystem::create_symlink("E.JPG", linked);
    };
    const RunResult result = run();
    for (const auto& [file, outcome] :
         {std::pair{removed, SourceUnreadable}, std::pair{truncated, Copied},
          std::pair{replaced, SourceChanged}, std::pair{linked, SourceUnreadable}})
        EXPECT_EQ(result.of(file).outcome, outcome) << file;
    // What was copied is the file as it was when copied, whole.
    EXPECT_EQ(listTree(copyOf("")), (Tree{"B.JPG", "E.JPG"}));
    EXPECT_EQ(readFile(copyOf("B.JPG")), "b");
    EXPECT_EQ(finishedMessage(result.summary), "copying of 6 files finished. 4 not copied.");
}

// Folders that cannot be read, paths beyond PATH_MAX and times beyond the calendar are
// named and counted; a stop leaves the rest for the next run.
TEST_F(ImportTest, WhatCannotBeDoneIsNamedAndCounted) {
    photo("A.JPG");
    photo("0locked/B.JPG");
    writeDeep(card.path(), "C.JPG", "deep");
    faults::failNext(faults::Call::OpenFolder, EACCES, 1, 1); // the folder after the root
    RunResult result = run();
    faults::clear();
    EXPECT_THAT(result.out, testing::Contains("error: " + card / "0locked" +
                                              ": the source cannot be read: Permission denied"));
    EXPECT_EQ(finishedMessage(result.summary), "copying of 2 files finished. 1 could not be read.");
    EXPECT_EQ(readFile(copyOf("C.JPG")), "deep");

    StopRequest stop;
    photo("D.JPG");
    sink.onFile = [&](int file) { file == 1 ? stop.request() : void(); };
    result = run({}, &stop);
    EXPECT_EQ(finishedMessage(result.summary), "copying of 4 files stopped: 1 done, 3 left.");
    EXPECT_EQ(result.of(card / "D.JPG").outcome, Stopped);
    ASSERT_EQ(std::system(("rm -rf " + card / "aaa*").c_str()), 0); // beyond remove_all

    const std::string far = "/dev/shm/kestrel-far-" + std::to_string(::getpid());
    writeFile(far + "/far.JPG", "far");
    const timespec times[2] = {{1L << 62, 0}, {1L << 62, 0}};
    struct stat st {};
    if (::utimensat(AT_FDCWD, (far + "/far.JPG").c_str(), times, 0) != 0 ||
        ::stat((far + "/far.JPG").c_str(), &st) != 0 || st.st_mtim.tv_sec != times[1].tv_sec)
        GTEST_SKIP() << "no file system here keeps such a time";
    result = importFolder(far, sink);
    std::filesystem::remove_all(far);
    EXPECT_THAT(result.out,
                testing::Contains(testing::StartsWith(
                    "error: " + far + "/far.JPG: its date cannot be placed in the calendar")));
    EXPECT_EQ(result.summary.notCopied, 1);
}

// A copy is published whole or not at all, even when the run dies or the destination
// changes just before the file gets its name.
TEST_F(ImportTest, TheMomentBeforePublishing) {
    photo("A.JPG", std::string(100000, 'a'));
    photo("B.JPG", "b");
    const auto beforeB = [&](std::function<void(const std::string&)> action) {
        CopyHooks hooks;
        hooks.beforePublish = [=](const std::string& path) {
            if (path.ends_with("B.JPG"))
                action(path);
        };
        return hooks;
    };
    RunResult result =
        run(beforeB([&](const std::string&) { std::filesystem::remove_all(dest / "JPG"); }));
    EXPECT_EQ(result.of(card / "B.JPG").outcome, DestinationFolder);
    EXPECT_EQ(listTree(dest.path()), Tree{});

    reset({});
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        run(beforeB([](const std::string&) { ::raise(SIGKILL); }));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the kill came";
    EXPECT_EQ(listTree(copyOf("")), Tree{"A.JPG"});
    EXPECT_EQ(readFile(copyOf("A.JPG")), std::string(100000, 'a'));
    result = run();
    EXPECT_EQ(finishedMessage(result.summary), "copying of 2 files finished. 1 already there.");
    EXPECT_EQ(readFile(copyOf("B.JPG")), "b");
}

// Every photo and clip on the card is copied or named as left there; the option imports the
// other formats under the tag of their kind.
TEST_F(ImportTest, EveryPhotoAndClipOnTheCardIsAccountedFor) {
    for (const char* name : {"A.CR3", "B.MP4", "C.ARW", "D.HEIC", "E.Jpg", "F.jpeg", "G.JPEG",
                             "H.JPG", "I.NEF", "J.TIFF", "K.xmp", "L.THM", "._M.CR3", "N.LRV"})
        photo(name);
    reset({{keys::RAW, "0"}});
    RunResult result = run();
    EXPECT_EQ(filesBelow(dest.path()), Tree{"JPG/2016/03/07/H.JPG"});
    std::map<std::string, std::string> left;
    for (const FileResult& file : result.summary.notCopiedNow)
        if (file.outcome.outcome == LeftOnCard)
            left[file.source.substr(card.path().size() + 1)] = describe(file.outcome);
    const auto notImported = [](const char* ending) {
        return "kestrel does not import ." + std::string(ending) + " files";
    };
    EXPECT_EQ(left, (std::map<std::string, std::string>{{"A.CR3", notImported("CR3")},
                                                        {"B.MP4", notImported("MP4")},
                                                        {"C.ARW", notImported("ARW")},
                                                        {"D.HEIC", notImported("HEIC")},
                                                        {"E.Jpg", notImported("Jpg")},
                                                        {"F.jpeg", notImported("jpeg")},
                                                        {"G.JPEG", notImported("JPEG")},
                                                        {"I.NEF", "the RAW group is switched off"},
                                                        {"J.TIFF", notImported("TIFF")}}));
    EXPECT_EQ(finishedMessage(result.summary),
              "copying of 1 files finished. 9 other photos or clips were not imported.");
    EXPECT_FALSE(result.summary.allSafe());

    reset({{keys::OtherFormats, "1"}});
    result = run();
    const std::string day = "/2016/03/07/";
    Tree expected{"DNG" + day + "J.TIFF", "RAW" + day + "A.CR3", "RAW" + day + "C.ARW",
                  "RAW" + day + "I.NEF"};
    for (const char* name : {"B.MP4", "D.HEIC", "E.Jpg", "F.jpeg", "G.JPEG", "H.JPG"})
        expected.push_back("JPG" + day + name);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(filesBelow(dest.path()), expected);
    EXPECT_TRUE(result.summary.allSafe());
}

// One report with every kind of row, whole.
TEST_F(ImportTest, TheWholeReport) {
    photo("A.JPG", "a");
    photo("B.JPG", "b");
    photo("C.JPG", "c");
    photo("D.CR3");
    photo("0locked/x");
    ASSERT_EQ(::mkfifo((card / "E.JPG").c_str(), 0644), 0);
    setModified(card / "E.JPG", kDay);
    photo("F.JPG");
    writeFile(copyOf("B.JPG"), "b");
    writeFile(copyOf("C.JPG"), "other");
    faults::failNext(faults::Call::OpenFolder, EACCES, 1, 1); // the folder after the root
    StopRequest stop;
    sink.onFile = [&](int file) { file == 4 ? stop.request() : void(); };
    const RunResult result = run({}, &stop);
    faults::clear();
    const std::string c = card.path(), d = copyOf("");
    EXPECT_EQ(readFile(result.summary.reportPath),
              "# kestrel import report\n# source\t" + c + "\nsource-unreadable\t" + c +
                  "/0locked\t\tthe source cannot be read: Permission denied\nleft-on-card\t" + c +
                  "/D.CR3\t\tkestrel does not import .CR3 files\ncopied\t" + c + "/A.JPG\t" + d +
                  "A.JPG\t\nalready-there\t" + c + "/B.JPG\t" + d +
                  "B.JPG\talready at its destination\nname-taken\t" + c + "/C.JPG\t" + d +
                  "C.JPG\ta different file has this name\nnot-a-regular-file\t" + c + "/E.JPG\t" +
                  d + "E.JPG\tnot a regular file\nstopped\t" + c +
                  "/F.JPG\t\tthe import was stopped first\n# summary\tmatched=5\tcopied=1\t"
                  "already-there=1\tnot-copied=3\tunreadable=1\tdated-by-file-times=0\t"
                  "stopped=1\tleft-on-card=1\n");
    faults::failNext(faults::Call::ReportWrite, ENOSPC);
    const RunResult unreported = run();
    EXPECT_EQ(unreported.summary.reportPath, "");
    EXPECT_EQ(unreported.summary.reportProblem,
              "the report could not be written: No space left on device");
    EXPECT_EQ(std::filesystem::directory_iterator(sandbox.reportsFolder())->path(),
              result.summary.reportPath)
        << "nothing is left of the lost report";
}

// A tag or date folder that is a link, there before the run or swapped in during it, takes
// nothing outside the destination.
TEST_F(ImportTest, NothingIsWrittenThroughALinkBelowTheDestination) {
    TempDir outside;
    photo("A.JPG");
    photo("B.JPG");
    std::filesystem::create_directories(dest / "JPG");
    std::filesystem::create_directory_symlink(outside.path(), dest / "JPG/2016");
    RunResult result = run();
    EXPECT_EQ(describe(result.of(card / "A.JPG")),
              "a folder below the destination is a symbolic link: " + dest / "JPG/2016");
    EXPECT_EQ(result.of(card / "B.JPG").outcome, DestinationLink);
    EXPECT_EQ(listTree(outside.path()), Tree{});

    reset({});
    CopyHooks swap;
    swap.beforePublish = [&](const std::string& path) {
        if (path.ends_with("A.JPG")) {
            std::filesystem::rename(dest / "JPG/2016", outside / "moved");
            std::filesystem::create_directory_symlink(outside.path(), dest / "JPG/2016");
        }
    };
    result = run(swap);
    EXPECT_EQ(finishedMessage(result.summary), "copying of 2 files finished. 2 not copied.");
    EXPECT_EQ(filesBelow(outside.path()), Tree{});
}

// Folders made for files that all failed go again, and the reason is the first failure's.
TEST_F(ImportTest, FailedFilesLeaveNoEmptyFoldersAndSayWhy) {
    photo("A.JPG");
    std::filesystem::create_directory(dest / "JPG");
    const std::string readOnly =
        "the destination folder is missing or not writable: Read-only file system";
    for (const faults::Call call : {faults::Call::OpenTmpfile, faults::Call::Mkdir}) {
        faults::failNext(call, EROFS, -1);
        const RunResult result = run();
        faults::clear();
        EXPECT_EQ(describe(result.of(card / "A.JPG")), readOnly);
        EXPECT_EQ(listTree(dest.path()), Tree{"JPG/"}) << "the folder that was there stays";
    }
}

// No copy gets its name before its data is flushed: small files together, a clip alone.
TEST_F(ImportTest, EveryCopyIsFlushedBeforeItGetsItsName) {
    for (int i = 0; i < 5; ++i)
        photo("S" + std::to_string(i) + ".JPG", std::to_string(i));
    flushSpy::start();
    EXPECT_EQ(run().summary.copied, 5);
    std::filesystem::remove_all(card.path());
    photo("CLIP.MOV", std::string(16 << 20, 'c'));
    EXPECT_EQ(run().summary.copied, 1);
    EXPECT_EQ(flushSpy::named(), 6 + 2) << "and each run's generation of the hash record";
    EXPECT_EQ(flushSpy::namedUnflushed(), 0);
}

// Pages of the file open as fd that sit in memory now.
std::size_t pagesInMemory(int fd) {
    struct stat st {};
    ::fstat(fd, &st);
    void* map = ::mmap(nullptr, st.st_size, PROT_READ, MAP_SHARED, fd, 0);
    const std::size_t pages = (st.st_size + ::getpagesize() - 1) / ::getpagesize();
    std::vector<unsigned char> resident(pages);
    ::mincore(map, st.st_size, resident.data());
    ::munmap(map, st.st_size);
    return std::count_if(resident.begin(), resident.end(), [](unsigned char p) { return p & 1; });
}

// Every copy is read back from the disk: one spoilt on its way once is made again, one spoilt
// every time fails; the hash record lists what was copied and what was checked.
TEST_F(ImportTest, CopiesAreReadBackFromTheDiskAndRecorded) {
    photo("A.JPG", std::string(3 << 20, 'a'));
    photo("B.NEF", "b");
    std::vector<std::size_t> inMemory;
    CopyHooks hooks;
    hooks.beforeReadBack = [&](int fd) { inMemory.push_back(pagesInMemory(fd)); };
    faults::failNext(faults::Call::Corrupt, 0);
    RunResult result = run(hooks);
    EXPECT_EQ(finishedMessage(result.summary),
              "copying of 2 files finished. 1 copy read back differently and was copied again.");
    EXPECT_EQ(readFile(copyOf("A.JPG")), std::string(3 << 20, 'a'));
    EXPECT_EQ(inMemory.size(), 3u);
    EXPECT_THAT(inMemory, testing::Each(0u)) << "read from the disk, not from memory";

    const auto record = [&](const char* name) { return dest / ("ascmhl/" + std::string(name)); };
    run();
    photo("C.JPG", "c");
    faults::failNext(faults::Call::Corrupt, 0, -1);
    result = run();
    faults::clear();
    EXPECT_EQ(result.of(card / "C.JPG").outcome, VerifyFailed);
    EXPECT_FALSE(std::filesystem::exists(copyOf("C.JPG")));
    const std::string chain = readFile(record("ascmhl_chain.xml"));
    EXPECT_THAT(chain, testing::HasSubstr("<hashlist sequencenr=\"2\">"));
    EXPECT_EQ(xmllint("ASCMHLDirectory.xsd", record("ascmhl_chain.xml")), 0);
    for (const auto& generation : std::filesystem::directory_iterator(dest / "ascmhl")) {
        if (generation.path().extension() != ".mhl")
            continue;
        EXPECT_EQ(xmllint("ASCMHL.xsd", generation.path()), 0);
        const std::string text = readFile(generation.path());
        const bool first = generation.path().filename().string().starts_with("0001_");
        for (const std::string& copy : {copyOf("A.JPG"), dest / "RAW/2016/03/07/B.NEF"})
            EXPECT_THAT(text, testing::HasSubstr(xxhsum(copy)));
        EXPECT_THAT(text, testing::HasSubstr(std::string("<xxh128 action=\"") +
                                             (first ? "original" : "verified")));
        EXPECT_THAT(text, testing::HasSubstr(">JPG/2016/03/07/A.JPG</path>"));
    }
}

// A backup destination gets every file from the same read of the card; one that is not there
// fails every file at the backup, and the card is not safe to format.
TEST_F(ImportTest, ABackupDestination) {
    TempDir backup;
    photo("A.JPG", "a");
    photo("B.NEF", "b");
    reset({{keys::BackupPath, backup.path()}});
    RunResult result = run();
    EXPECT_EQ(filesBelow(backup.path()), filesBelow(dest.path()));
    EXPECT_EQ(readFile(backup / "RAW/2016/03/07/B.NEF"), "b");
    EXPECT_TRUE(result.summary.allSafe());
    EXPECT_EQ(sink.calls[1], "warning the backup folder " + backup.path() +
                                 " is on the same disk as the destination of the JPG group: "
                                 "one failure of that disk would lose both copies");
    reset({{keys::BackupPath, backup / "unplugged"}});
    result = run();
    EXPECT_EQ(finishedMessage(result.summary),
              "copying of 2 files finished. 2 not safe at the backup.");
    EXPECT_EQ(filesBelow(dest.path()).size(), 2u);
    EXPECT_FALSE(result.summary.allSafe());
}

// A disk that cannot take the run stops it before the first copy.
TEST_F(ImportTest, NothingIsCopiedWhereItCannotFit) {
    photo("A.JPG", "a");
    photo("B.NEF", "b");
    faults::failNext(faults::Call::Statvfs, 0, -1); // no space left
    const RunResult result = run();
    faults::clear();
    EXPECT_EQ(finishedMessage(result.summary), "copying of 2 files finished. 2 not copied.");
    EXPECT_EQ(describe(result.of(card / "A.JPG")),
              "there is not enough space: needs 8.2 kB at " + dest.path() + ", 0 B free");
    EXPECT_EQ(listTree(dest.path()), Tree{});
}

// Copies that would be one copy, or that would be erased with the card, are refused before
// anything is copied; a destination that holds the card is fine, and a walk of the card never
// enters a destination.
TEST_F(ImportTest, DestinationsThatAreNoCopiesAreRefused) {
    photo("A.JPG", "a");
    photo("copies/B.JPG", "b");
    ::symlink(dest.path().c_str(), (card / "link").c_str());
    const std::string sameAsDest =
        "the backup folder is the destination of the JPG group: choose another folder";
    const auto onCard = [](const std::string& root) {
        return "the destination " + root +
               " is on the card being imported: it would be erased "
               "with the card";
    };
    const std::pair<Prefs, std::string> cases[] = {
        {{{keys::BackupPath, dest.path()}}, sameAsDest},
        {{{keys::BackupPath, card / "link"}}, sameAsDest},
        {{{keys::BackupPath, dest / "../" + dest.path().substr(dest.path().rfind('/') + 1)}},
         sameAsDest},
        {{{keys::ImportPath, card / "copies"}}, onCard(card / "copies")},
        {{{keys::ImportPath, card.path()}}, onCard(card.path())},
        {{{keys::BackupPath, card / "copies"}}, onCard(card / "copies")},
    };
    const Tree cardBefore = listTree(card.path());
    for (const auto& [prefs, why] : cases) {
        SCOPED_TRACE(why);
        reset(prefs);
        const RunResult result = run();
        EXPECT_EQ(result.summary.refused, why);
        EXPECT_FALSE(result.summary.allSafe());
        EXPECT_EQ(sink.calls.back(), "sayFinished nothing was copied: " + why + ".");
        EXPECT_EQ(listTree(card.path()), cardBefore);
        EXPECT_EQ(listTree(dest.path()), Tree{});
    }

    // A mount point whose drive is not there is no destination either.
    TempDir drive;
    std::filesystem::create_directory(drive / "mnt point");
    writeFile(drive / "fstab", "# none\nUUID=1 " + drive.path() + "/mnt\\040point ext4 0 2\n");
    EXPECT_TRUE(awaitsItsDrive(drive / "mnt point", drive / "fstab"));
    EXPECT_FALSE(awaitsItsDrive(drive.path(), drive / "fstab"));

    reset({{keys::BackupPath, card / "copies"}});
    ImportOptions options = readImportOptions(*openPreferences());
    const auto listed = listCard(card.path(), options, {});
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed.front().path, card / "A.JPG");

    reset({});
    const std::string inside = dest / "CARD";
    writeFile(inside + "/C.JPG", "c", kDay);
    const RunResult held = importFolder(inside, sink);
    EXPECT_TRUE(held.summary.allSafe()) << finishedMessage(held.summary);
    EXPECT_EQ(readFile(copyOf("C.JPG")), "c");
}

// A destination that is unmounted or replaced during a run holds none of its copies: each
// fails there, and no record is written into whatever now has its path.
TEST_F(ImportTest, ADestinationReplacedDuringTheRunHoldsNothing) {
    TempDir backup;
    for (const char* name : {"A.JPG", "B.JPG", "C.JPG"})
        photo(name, name);
    for (const std::string& root : {backup.path(), dest.path()}) {
        SCOPED_TRACE(root);
        reset({{keys::BackupPath, backup.path()}});
        std::filesystem::remove_all(backup.path());
        std::filesystem::create_directory(backup.path());
        sink.onFile = [&](int file) {
            if (file == 2)
                std::filesystem::rename(root, root + ".old"),
                    std::filesystem::create_directory(root);
        };
        const RunResult result = run();
        const bool atBackup = root == backup.path();
        EXPECT_EQ(result.summary.copied, atBackup ? 3 : 0);
        EXPECT_EQ(result.summary.notSafeAtBackup, atBackup ? 3 : 0);
        EXPECT_FALSE(result.summary.allSafe());
        EXPECT_EQ(describe(result.summary.notCopiedNow.front().outcome),
                  "the destination " + root + " was unmounted or replaced during the import");
        EXPECT_EQ(verdictSentence(result.summary).toStdString(),
                  atBackup ? "Do not format the card yet: 3 files are not safe at the backup."
                           : "Do not format the card yet: 3 files are only on the card.");
        EXPECT_EQ(listTree(root), Tree{});
        EXPECT_FALSE(std::filesystem::exists(root + "/ascmhl"));
        std::filesystem::remove_all(root + ".old");
    }
}

// A file found at its destination that its record never had is recorded as its first hash,
// so the history stays one that other tools accept; a copy changed since it was recorded is
// told apart from a different file; a destination that is not there is never made.
TEST_F(ImportTest, RecordsAndWordsThatTellTheTruth) {
    photo("A.JPG", "a");
    photo("B.JPG", "b");
    run();
    std::filesystem::remove_all(dest / "ascmhl");
    run();
    run();
    // The generation made anew holds first hashes only, the next one verified ones only.
    int generations = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dest / "ascmhl")) {
        const std::string name = entry.path().filename(), text = readFile(entry.path());
        const bool mhl = name.ends_with(".mhl");
        generations += mhl ? 1 : 0;
        EXPECT_EQ(xmllint(mhl ? "ASCMHL.xsd" : "ASCMHLDirectory.xsd", entry.path()), 0);
        EXPECT_EQ(text.find(name.starts_with("0001_") ? "\"verified\"" : "\"original\""),
                  std::string::npos);
    }
    EXPECT_EQ(generations, 2);

    writeFile(copyOf("A.JPG"), "x");
    writeFile(copyOf("B.JPG"), "y");
    photo("B.JPG", "z");
    RunResult result = run();
    EXPECT_EQ(describe(result.of(card / "A.JPG")),
              "the copy at the destination has changed since it was imported (damaged?)");
    EXPECT_EQ(describe(result.of(card / "B.JPG")), "a different file has this name");

    reset({{keys::ImportPath, dest / "unplugged"}});
    result = run();
    EXPECT_EQ(describe(result.of(card / "A.JPG")), "the destination " + dest.path() +
                                                       "/unplugged does not exist (is its drive "
                                                       "connected?)");
    EXPECT_FALSE(std::filesystem::exists(dest / "unplugged"));
}

// A job's patterns name and file every copy; a JPG and its raw file keep one name at their
// two roots, and each number is fresh at every root a file goes to, run after run.
TEST_F(ImportTest, AJobsPatternsNameAndNumberTheCopies) {
    TempDir raw, backup;
    sandbox.set({{keys::ImportPathRAW, raw.path()},
                 {keys::BackupPath, backup.path()},
                 {keys::NamePattern, "{job}_{seq:3}_{name}{ext}"},
                 {keys::FolderPattern, "{taken:%Y}/{card}"},
                 {keys::Job, "wed"}});
    const int open = ::open(backup.path().c_str(), O_RDONLY | O_DIRECTORY);
    EXPECT_EQ(JobSequence(open, "wed").reserve(10).first, 1u); // the backup is further on
    ::close(open);
    photo("DCIM/IMG_1.CR2", "r");
    photo("DCIM/IMG_1.JPG", "j");
    photo("DCIM/IMG_2.JPG", "k");
    const std::string c = card.path(), folder = "2016/" + c.substr(c.rfind('/') + 1) + "/";
    const Tree sequence{".kestrel/sequence", ".kestrel/sequence.lock"};
    const auto tree = [&](Tree names) {
        for (std::string& name : names)
            name = folder + name;
        names.insert(names.begin(), sequence.begin(), sequence.end());
        return names;
    };
    EXPECT_THAT(run().out, testing::Contains(c + "/DCIM/IMG_1.CR2 -> " + raw.path() + "/" + folder +
                                             "wed_011_IMG_1.CR2 true"));
    EXPECT_EQ(filesBelow(raw.path()), tree({"wed_011_IMG_1.CR2"}));
    EXPECT_EQ(readFile(dest / (folder + "wed_012_IMG_2.JPG")), "k");
    std::filesystem::remove_all(card / "DCIM");
    photo("DCIM/IMG_3.JPG", "m");
    EXPECT_EQ(run().summary.copied, 1);
    EXPECT_EQ(filesBelow(dest.path()),
              tree({"wed_011_IMG_1.JPG", "wed_012_IMG_2.JPG", "wed_013_IMG_3.JPG"}));
    EXPECT_EQ(filesBelow(backup.path()), tree({"wed_011_IMG_1.CR2", "wed_011_IMG_1.JPG",
                                               "wed_012_IMG_2.JPG", "wed_013_IMG_3.JPG"}));
}

// A renamed card imported again: each file is found by its bytes in the destination's record
// and left where it is, no number is taken, and a raw file new to the card takes its JPG's name.
TEST_F(ImportTest, ARenamedCardImportedAgainIsAlreadyThereUnderItsNewName) {
    sandbox.set({{keys::ImportPathRAW, dest.path()},
                 {keys::NamePattern, "{seq:2}{ext}"},
                 {keys::FolderPattern, "{tag}"}});
    photo("DCIM/IMG_1.JPG", "j");
    photo("DCIM/IMG_2.JPG", "k");
    EXPECT_EQ(run().summary.copied, 2);
    photo("DCIM/IMG_1.CR2", "r");
    const RunResult again = run();
    EXPECT_EQ(std::tuple(again.summary.copied, again.summary.alreadyThere), std::tuple(1, 2));
    const CopyOutcome& two = again.of(card / "DCIM/IMG_2.JPG");
    EXPECT_EQ(std::tuple(two.outcome, two.destPath, two.detail),
              std::tuple(Outcome::AlreadyThere, dest / "JPG/02.JPG",
                         std::string("already there as JPG/02.JPG")));
    EXPECT_EQ(filesBelow(dest.path()), Tree({".kestrel/sequence", ".kestrel/sequence.lock",
                                             "JPG/01.JPG", "JPG/02.JPG", "RAW/01.CR2"}));
    EXPECT_EQ(readFile(dest / ".kestrel/sequence"), "kestrel job sequences 1\n\t2\n");
}

// A pattern that cannot be used, or numbers that cannot be had, stop the run before it
// writes anything at a destination.
TEST_F(ImportTest, ABadPatternOrADamagedSequenceRefusesTheRun) {
    photo("A.JPG");
    const std::pair<Prefs, std::string> cases[] = {
        {{{keys::NamePattern, "{name}_{jbo}{ext}"}},
         "the name pattern cannot be used: unknown field {jbo} at character 8"},
        {{{keys::FolderPattern, "{seq:2}"}},
         "the job sequence in " + dest.path() +
             "/.kestrel/sequence is damaged at line 1; no "
             "numbers are given until it is repaired, so "
             "that none repeats"}};
    for (const auto& [prefs, why] : cases) {
        reset(prefs);
        writeFile(dest / ".kestrel/sequence", "damaged");
        EXPECT_EQ(run().summary.refused, why);
        EXPECT_EQ(listTree(dest.path()), Tree({".kestrel/", ".kestrel/sequence"}));
    }
}

} // namespace
} // namespace kestrel::test
