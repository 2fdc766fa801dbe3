// What the verdict "the card may be formatted" rests on, through whole import runs: every
// copy read back (the backup's too), only proven copies recorded, space counted on every
// disk, folders checked before a name lands in them and flushed after.
#include "FlushSpy.h"
#include "TestSupport.h"
#include "base/FaultPoints.h"
#include "run/DestinationCheck.h"
#include "run/Preferences.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace kestrel::test {
namespace {

using enum Outcome;
using enum faults::Call;
using Tree = std::vector<std::string>;
namespace fs = std::filesystem;
const std::string kDay = "2016-03-07 10:00";
const std::string kPhoto = "photo";
const std::string kDayFolder = "JPG/2016/03/07/";

// True when a generation of root's hash record lists the day folder's A.JPG.
bool recorded(const std::string& root) {
    std::error_code ec;
    for (const auto& file : fs::directory_iterator(root + "/ascmhl", ec))
        if (file.path().extension() == ".mhl" &&
            readFile(file.path()).find(">" + kDayFolder + "A.JPG</path>") != std::string::npos)
            return true;
    return false;
}

class CopyGuaranteeTest : public ::testing::Test {
  protected:
    CopyGuaranteeTest() {
        applyStartupDefaults(*openPreferences());
        sandbox.set({{keys::ImportPath, dest.path()}, {keys::ModDate, "1"}});
        writeFile(card / "A.JPG", kPhoto, kDay);
    }
    void TearDown() override { faults::clear(); }
    void useBackup() { sandbox.set({{keys::BackupPath, backup.path()}}); }
    // Empties the destination and the backup.
    void fresh() {
        for (const std::string& root : {dest.path(), backup.path()}) {
            fs::remove_all(root);
            fs::create_directory(root);
        }
    }
    RunResult run(const CopyHooks& hooks = {}) { return importFolder(card.path(), sink, hooks); }

    Sandbox sandbox;
    TempDir card, dest;
    EnvScope shm{"TMPDIR", "/dev/shm"}; // the backup on a file system of its own here
    TempDir backup;
    RecordingSink sink;
};

// Every copy is read back, the backup's too: one spoilt once on its way is made again, one
// spoilt every time fails; a root's hash record lists only what is safe there.
TEST_F(CopyGuaranteeTest, EveryCopyIsReadBackTheBackupsToo) {
    // Corrupt's calls let through, then spoilt: the destination's copy is written first.
    const std::tuple<const char*, int, int, Outcome, Outcome, int> cases[] = {
        {"the backup's copy spoilt once", 1, 1, Copied, Copied, 1},
        {"the backup's copy spoilt every time", 1, -1, Copied, VerifyFailed, 1},
        {"both copies spoilt every time", 0, -1, VerifyFailed, VerifyFailed, 2},
    };
    useBackup();
    for (const auto& [what, after, times, atDest, atBackup, copiedAgain] : cases) {
        SCOPED_TRACE(what);
        fresh();
        faults::failNext(Corrupt, 0, times, after);
        const RunResult result = run();
        faults::clear();
        EXPECT_EQ(result.summary.copiedAgain, copiedAgain);
        EXPECT_EQ(result.summary.allSafe(), atDest == Copied && atBackup == Copied);
        EXPECT_EQ(result.of(card / "A.JPG").outcome, atDest != Copied ? atDest : atBackup);
        EXPECT_EQ(result.summary.notSafeAtBackup, atBackup == Copied ? 0 : 1);
        for (const auto& [root, outcome] :
             {std::pair{dest.path(), atDest}, {backup.path(), atBackup}}) {
            EXPECT_EQ(filesBelow(root), outcome == Copied ? Tree{kDayFolder + "A.JPG"} : Tree{});
            EXPECT_TRUE(outcome != Copied || readFile(root + "/" + kDayFolder + "A.JPG") == kPhoto);
            EXPECT_EQ(recorded(root), outcome == Copied) << root;
        }
    }
}

// A copy whose flush fails, whose day folder was swapped for another before it got its name,
// or whose card file changed before it was copied again, is not safe and not recorded.
TEST_F(CopyGuaranteeTest, ACopyNotProvenInItsFolderOnDiskFails) {
    using Armed = std::vector<std::pair<faults::Call, int>>; // fails with EIO, so many times
    const auto swapDay = [&](const std::string&) {
        fs::rename(dest / kDayFolder, dest / "moved");
        fs::create_directory(dest / kDayFolder);
    };
    const auto changeCard = [&](int) { writeFile(card / "A.JPG", "PHOTO", kDay); };
    // With the day folder there before, its flush is the only folder flush; named: the copy
    // got its name before the failure. The card file changes before it is copied again.
    const std::tuple<const char*, bool, Armed, CopyHooks, Outcome, bool> cases[] = {
        {"the day folder's flush fails", true, {{Fsync, 1}}, {}, IoError, true},
        {"a new folder's parent's flush fails", false, {{Fsync, 1}}, {}, IoError, true},
        {"syncfs and fdatasync fail", true, {{Syncfs, -1}, {Fdatasync, -1}}, {}, IoError, false},
        {"the day folder is swapped", true, {}, {{}, swapDay, {}}, DestinationFolder, false},
        {"the card file changes", true, {{Corrupt, 1}}, {changeCard, {}, {}}, SourceChanged, false},
    };
    for (const auto& [what, dayThere, armed, hooks, outcome, named] : cases) {
        SCOPED_TRACE(what);
        fresh();
        writeFile(card / "A.JPG", kPhoto, kDay);
        if (dayThere)
            fs::create_directories(dest / kDayFolder);
        for (const auto& [call, times] : armed)
            faults::failNext(call, EIO, times);
        const RunResult result = run(hooks);
        faults::clear();
        EXPECT_EQ(result.of(card / "A.JPG").outcome, outcome);
        EXPECT_FALSE(result.summary.allSafe());
        EXPECT_EQ(filesBelow(dest.path()), named ? Tree{kDayFolder + "A.JPG"} : Tree{});
        EXPECT_FALSE(recorded(dest.path()));
    }
}

// A folder whose flush failed holds no safe copy for the rest of the run, in later batches too.
TEST_F(CopyGuaranteeTest, AFolderFlushThatFailedHoldsForTheWholeRun) {
    for (int i = 0; i < 70; ++i) // more than one batch
        writeFile(card / ("B" + std::to_string(i) + ".JPG"), "b", kDay);
    faults::failNext(Fsync, EIO);
    const RunResult result = run();
    EXPECT_EQ(result.summary.done(), 0);
    EXPECT_EQ(result.of(card / "B69.JPG").outcome, IoError);
}

// Once a folder is made, the folder above it is flushed too, so the new name survives a crash.
TEST_F(CopyGuaranteeTest, TheFoldersAboveANewFolderAreFlushed) {
    useBackup();
    sink.onFile = [](int) { flushSpy::start(); }; // its folders are made by then
    EXPECT_EQ(run().summary.copied, 1);
    for (const std::string& root : {dest.path(), backup.path()})
        for (const char* folder : {"", "JPG", "JPG/2016", "JPG/2016/03", "JPG/2016/03/07"})
            EXPECT_TRUE(flushSpy::folderFlushed(root + "/" + folder)) << root << "/" << folder;
}

// The space check asks the backup's disk too, and counts only the files not there yet.
TEST_F(CopyGuaranteeTest, SpaceIsCountedOnEveryDiskForWhatIsMissing) {
    if (folderId(dest.path())->device == folderId(backup.path())->device)
        GTEST_SKIP() << "the backup is on the destination's disk here";
    // The disks answered first (the destination's is asked first); every one after is full.
    const std::tuple<const char*, bool, int, Outcome> cases[] = {
        {"the backup's disk is full", false, 1, DiskFull},
        {"every disk is full, and holds the file already", true, 0, AlreadyThere},
    };
    useBackup();
    for (const auto& [what, there, after, outcome] : cases) {
        SCOPED_TRACE(what);
        fresh();
        for (const std::string& root : {dest.path(), backup.path()})
            if (there)
                writeFile(root + "/" + kDayFolder + "A.JPG", kPhoto);
        faults::failNext(Statvfs, 0, -1, after);
        const RunResult result = run();
        faults::clear();
        EXPECT_EQ(result.of(card / "A.JPG").outcome, outcome);
        EXPECT_EQ(result.summary.allSafe(), there);
        EXPECT_EQ(filesBelow(backup.path()), there ? Tree{kDayFolder + "A.JPG"} : Tree{});
    }
}

} // namespace
} // namespace kestrel::test
