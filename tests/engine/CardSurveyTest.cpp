// Browsing a card before importing it: what is on it, where each file stands, and an import
// of a selection of it.
#include "run/CardSurvey.h"
#include "SampleMedia.h"
#include "TestSupport.h"
#include "run/CopyHandler.h"
#include "run/Preferences.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace kestrel::test {
namespace {

class CardSurveyTest : public ::testing::Test {
  protected:
    CardSurveyTest() {
        applyStartupDefaults(*openPreferences());
        sandbox.set({{keys::ImportPath, dest.path()},
                     {keys::ImportPathRAW, dest.path()},
                     {keys::ModDate, "1"},
                     {keys::TakenDate, "1"}});
    }
    RunSummary importOnly(const std::unordered_set<std::string>& only) {
        std::ostringstream out;
        CopyHandler handler(sink, out);
        handler.only = &only;
        handler.prepareProcessing(card.path());
        return handler.summary();
    }

    Sandbox sandbox;
    TempDir card, dest;
    RecordingSink sink;
};

TEST_F(CardSurveyTest, EveryFileOfTheCardAndWhereItStands) {
    writeFile(card / "DCIM/GONE.NEF", "gone", "2016-03-07 09:00");
    importFolder(card.path(), sink);
    std::filesystem::rename(dest / "RAW/2016/03/07/GONE.NEF", dest / "GONE.NEF");
    writeFile(card / "DCIM/X.CR3", "cr3", "2016-03-07 08:00");
    writeFile(card / "DCIM/A.JPG", stillWithDates("2015:12:31 23:59:58"), "2016-03-07 10:00");
    writeFile(card / "DCIM/NEW.MOV", "clip", "2016-03-07 09:30");
    writeFile(card / "DCIM/OTHER.JPG", "mine", "2016-03-07 10:00");
    writeFile(card / "DCIM/THERE.JPG", "there", "2016-03-07 11:00");
    writeFile(card / "DCIM/notes.txt", "not a photo");
    writeFile(dest / "JPG/2016/03/07/OTHER.JPG", "theirs");
    writeFile(dest / "JPG/2016/03/07/THERE.JPG", "there");

    struct Row {
        const char* name;
        const char* taken;
        Standing standing;
        std::string reason;
        const char* destination; // below dest
    };
    const Row rows[] = {
        {"A.JPG", "2015-12-31 23:59:58", Standing::New, "", "JPG/2015/12/31/A.JPG"},
        {"X.CR3", "2016-03-07 08:00:00", Standing::NotImported,
         "kestrel does not import .CR3 files", ""},
        {"GONE.NEF", "2016-03-07 09:00:00", Standing::ImportedBefore, "RAW/2016/03/07/GONE.NEF",
         "RAW/2016/03/07/GONE.NEF"},
        {"NEW.MOV", "2016-03-07 09:30:00", Standing::New, "", "JPG/2016/03/07/NEW.MOV"},
        {"OTHER.JPG", "2016-03-07 10:00:00", Standing::New, "", "JPG/2016/03/07/OTHER.JPG"},
        {"THERE.JPG", "2016-03-07 11:00:00", Standing::AtDestination, "",
         "JPG/2016/03/07/THERE.JPG"},
    };
    const auto options = readImportOptions(*openPreferences());
    const std::vector<SurveyedFile> files = listCard(card.path(), options);
    ASSERT_EQ(files.size(), std::size(rows));
    StandingCheck check(options);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const Row& row = rows[i];
        const SurveyedFile& file = files[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(file.name, row.name);
        EXPECT_EQ(file.path, card / ("DCIM/" + file.name));
        EXPECT_EQ(file.taken, row.taken);
        EXPECT_EQ(file.clip, file.name == "NEW.MOV");
        EXPECT_EQ(file.size, std::filesystem::file_size(file.path));
        EXPECT_EQ(file.destination, *row.destination ? dest / row.destination : "");
        std::string recorded;
        const Standing standing = check.standingOf(file, &recorded);
        EXPECT_EQ(standing, row.standing);
        EXPECT_EQ(standing == Standing::NotImported ? file.reason : recorded, row.reason);
    }
    EXPECT_EQ(listCard(card.path(), options, [] { return true; }).size(), 0u);
}

TEST_F(CardSurveyTest, ASelectionIsImportedAndTheRestAccountedFor) {
    sandbox.set({{keys::TakenDate, "0"}});
    for (const char* name : {"A.JPG", "B.JPG", "C.JPG"})
        writeFile(card / name, name, "2016-03-07 10:00");
    writeFile(dest / "JPG/2016/03/07/B.JPG", "B.JPG");
    RunSummary summary = importOnly({card / "A.JPG"});
    EXPECT_EQ(filesBelow(dest.path()),
              (std::vector<std::string>{"JPG/2016/03/07/A.JPG", "JPG/2016/03/07/B.JPG"}));
    EXPECT_EQ(readFile(dest / "JPG/2016/03/07/A.JPG"), "A.JPG");
    EXPECT_TRUE(summary.selection);
    EXPECT_EQ(std::tuple(summary.matched, summary.unselectedNew, summary.unselectedSafe),
              std::tuple(1, 1, 1));
    ASSERT_EQ(summary.notCopiedNow.size(), 1u);
    EXPECT_EQ(summary.notCopiedNow[0].source, card / "C.JPG");
    EXPECT_EQ(summary.notCopiedNow[0].outcome.outcome, Outcome::NotSelected);
    EXPECT_THAT(readFile(summary.reportPath),
                testing::HasSubstr("\nnot-selected\t" + card / "C.JPG\t" +
                                   dest / "JPG/2016/03/07/C.JPG\tnot selected\n"));
    EXPECT_EQ(finishedMessage(summary),
              "copying of 1 files finished. 1 new file was not selected.");
    EXPECT_FALSE(summary.allSafe());

    summary = importOnly({card / "C.JPG"});
    EXPECT_EQ(std::tuple(summary.copied, summary.unselectedNew, summary.unselectedSafe),
              std::tuple(1, 0, 2));
    EXPECT_EQ(finishedMessage(summary), "copying of 1 files finished.");
    EXPECT_TRUE(summary.allSafe());

    // With a backup, a file is there only when it is at both. A and C were recorded, B not:
    // none is proven at the backup, so none counts as safe.
    TempDir backup;
    sandbox.set({{keys::BackupPath, backup.path()}});
    summary = importOnly({});
    EXPECT_EQ(std::tuple(summary.matched, summary.unselectedNew, summary.unselectedGone,
                         summary.unselectedSafe),
              std::tuple(0, 1, 2, 0));
    EXPECT_EQ(summary.notCopiedNow.at(1).source, card / "B.JPG");
    EXPECT_EQ(describe(summary.notCopiedNow.at(0).outcome),
              "not selected; imported before as JPG/2016/03/07/A.JPG, no longer at its "
              "destination");
    EXPECT_EQ(finishedMessage(summary),
              "copying of 0 files finished. 1 new file was not selected. 2 files not selected "
              "were imported before but are no longer at their destination.");
    EXPECT_FALSE(summary.allSafe());
}

} // namespace
} // namespace kestrel::test
