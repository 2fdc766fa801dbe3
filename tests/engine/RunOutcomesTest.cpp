// What a run says of files it could not read, date or finish, and of names with odd bytes.
#include "CopyHandler.h"
#include "FaultPoints.h"
#include "Preferences.h"
#include "SampleMedia.h"
#include "TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace kestrel;
using testing::HasSubstr;

namespace {

class RunOutcomes : public testing::Test {
  protected:
    void SetUp() override {
        ::setenv("XDG_STATE_HOME", (state / "").c_str(), 1);
        prefs.set({{keys::JPG, "1"},
                   {keys::JPGYear, "1"},
                   {keys::ModDate, "1"},
                   {keys::ImportPath, dest.path()}});
    }
    void TearDown() override { faults::clear(); }

    // Imports card and returns its standard output.
    std::string import(StopRequest* stop = nullptr) {
        std::ostringstream out;
        CopyHandler handler(sink, out);
        handler.stop = stop;
        handler.prepareProcessing(card.path());
        summary = handler.summary();
        return out.str();
    }

    test::PreferencesSandbox prefs;
    test::TempDir card, dest, state;
    test::RecordingSink sink;
    RunSummary summary;
};

TEST_F(RunOutcomes, OddNamesKeepOneLineAndSurviveTheReport) {
    test::writeFile(card / "a\nb true.JPG", "1");
    test::writeFile(card / "tab\tesc\033.JPG", "2");
    const std::string out = import();
    EXPECT_THAT(out,
                HasSubstr("$'" + card.path() + "/a\\nb true.JPG' -> $'" + dest.path() + "/JPG/" +
                          test::todayFolders().substr(0, 4) + "/a\\nb true.JPG' true\n"));
    EXPECT_THAT(out, HasSubstr("/tab\\tesc\\e.JPG' true\n"));
    EXPECT_EQ(test::lines(out).size(), 10u); // root, count, 2 folders made, 2 × (2 asked + 1)
    std::ifstream report(summary.reportPath);
    std::stringstream text;
    text << report.rdbuf();
    EXPECT_THAT(text.str(), HasSubstr("copied\t" + card.path() + "/a\\012b true.JPG\t"));
    EXPECT_THAT(text.str(), HasSubstr("# summary\tmatched=2\tcopied=2\t"));
}

TEST_F(RunOutcomes, WhatCannotBeReadIsNamedAndCounted) {
    test::writeFile(card / "DCIM/A.JPG", "a");
    test::writeFile(card / "LOCKED/B.JPG", "b");
    faults::failNext(faults::Call::OpenFolder, EACCES, 1, 2); // the root and DCIM open
    const std::string out = import();
    EXPECT_THAT(out, HasSubstr("error: " + card.path() +
                               "/LOCKED: the source cannot be read: Permission denied\n"));
    EXPECT_EQ(summary.copied, 1);
    EXPECT_EQ(summary.unreadable, 1);
    EXPECT_FALSE(summary.allSafe());
    EXPECT_EQ(finishedMessage(summary), "copying of 1 files finished. 1 could not be read.");
}

TEST_F(RunOutcomes, ATimeTheCalendarCannotHoldIsAnErrorNotAFolder) {
    // A tmpfs keeps times far beyond what the calendar can name.
    const std::string far = "/dev/shm/kestrel-far-" + std::to_string(::getpid());
    test::writeFile(far + "/far.JPG", "far");
    const timespec times[2] = {{1L << 62, 0}, {1L << 62, 0}};
    struct stat st {};
    if (::utimensat(AT_FDCWD, (far + "/far.JPG").c_str(), times, 0) != 0 ||
        ::stat((far + "/far.JPG").c_str(), &st) != 0 || st.st_mtim.tv_sec != times[1].tv_sec)
        GTEST_SKIP() << "no file system here keeps such a time";
    std::ostringstream out;
    CopyHandler handler(sink, out);
    handler.prepareProcessing(far);
    std::filesystem::remove_all(far);
    EXPECT_THAT(out.str(),
                HasSubstr("error: " + far + "/far.JPG: its date cannot be placed in the calendar"));
    EXPECT_THAT(out.str(), HasSubstr("ERR skipped\n"));
    EXPECT_EQ(handler.summary().notCopied, 1);
    EXPECT_TRUE(test::listTree(dest.path()).empty());
}

TEST_F(RunOutcomes, AStopLeavesTheRestForNextTime) {
    for (const char* name : {"1.JPG", "2.JPG", "3.JPG"})
        test::writeFile(card / name, name);
    StopRequest stop;
    struct StopAtSecond : test::RecordingSink {
        StopRequest* stop;
        void setBarInc(const std::string& text) override {
            if (text.starts_with("2 of"))
                stop->request();
        }
    } stopper;
    stopper.stop = &stop;
    std::ostringstream out;
    CopyHandler handler(stopper, out);
    handler.stop = &stop;
    handler.prepareProcessing(card.path());
    EXPECT_EQ(finishedMessage(handler.summary()), "copying of 3 files stopped: 2 done, 1 left.");
    EXPECT_EQ(test::lines(out.str()).back().substr(test::lines(out.str()).back().size() - 5),
              " true");
    EXPECT_EQ(test::listTree(dest.path()).size(), 4u); // JPG/, year/, two files
}

TEST_F(RunOutcomes, CaptureDatesWinWhereTheMetadataHasOne) {
    prefs.set({{keys::TakenDate, "1"}, {keys::JPGMonth, "1"}, {keys::JPGDay, "1"}});
    test::writeFile(card / "A.JPG", test::stillWithDates("2016:03:07 23:59:59"));
    test::writeFile(card / "B.JPG", "no metadata");
    import();
    EXPECT_EQ(test::readFile(dest / "JPG/2016/03/07/A.JPG"), test::readFile(card / "A.JPG"));
    EXPECT_EQ(test::readFile(dest / ("JPG/" + test::todayFolders() + "/B.JPG")), "no metadata");
    EXPECT_EQ(finishedMessage(summary), "copying of 2 files finished. 1 had no capture date and "
                                        "were dated by their file times.");
}

} // namespace
