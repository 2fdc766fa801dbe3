// Imports from a camera through libgphoto2: its Directory Browse camera serves a temporary
// folder at disk:FOLDER through the calls a camera over USB answers.
#include "device/Device.h"
#include "SampleMedia.h"
#include "TestSupport.h"
#include "base/FaultPoints.h"
#include "record/Verdict.h"
#include "run/DeviceCaptureTime.h"
#include "run/DeviceSurvey.h"
#include "run/Preferences.h"

#include <gmock/gmock.h>
#include <gphoto2/gphoto2-result.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace kestrel::test {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using enum Outcome;
const std::string kDay = "2016-03-07 10:00";
const std::string kPhoto(200'000, 'p'); // longer than one chunk the camera sends

class DeviceTest : public ::testing::Test {
  protected:
    DeviceTest() {
        applyStartupDefaults(*openPreferences());
        sandbox.set({{keys::ImportPath, dest.path()}, {keys::ImportPathRAW, dest.path()}});
        writeFile(card / "DCIM/100TEST/IMG_0001.JPG", kPhoto, kDay);
        writeFile(card / "DCIM/100TEST/IMG_0002.CR2", "raw", kDay);
        writeFile(card / "DCIM/100TEST/IMG_0003.CR3", "cr3", kDay);
        writeFile(card / "DCIM/notes.txt", "notes", kDay);
    }
    ~DeviceTest() override { faults::clear(); }
    RunResult run(StopRequest* stop = nullptr) {
        std::ostringstream out;
        CopyHandler handler(sink, out);
        handler.stop = stop;
        handler.importDevice(port);
        return {lines(out.str()), handler.summary()};
    }
    std::string on(const std::string& name) { return port + "/DCIM/100TEST/" + name; }

    Sandbox sandbox;
    TempDir card, dest;
    RecordingSink sink;
    const std::string port = "disk:" + card.path();
};

TEST_F(DeviceTest, CopiesReadsBackRecordsAndFindsItThereNextTime) {
    faults::failNext(faults::Call::Corrupt, 0); // read back wrong once: the camera sends it again
    const RunResult first = run();
    EXPECT_THAT(filesBelow(dest.path()),
                ElementsAre("JPG/2016/03/07/IMG_0001.JPG", "RAW/2016/03/07/IMG_0002.CR2"));
    EXPECT_EQ(readFile(dest / "JPG/2016/03/07/IMG_0001.JPG"), kPhoto);
    EXPECT_THAT(first.out, testing::Contains(on("IMG_0001.JPG") + " -> " + dest.path() +
                                             "/JPG/2016/03/07/IMG_0001.JPG true"));
    EXPECT_EQ(first.of(on("IMG_0003.CR3")).detail, "kestrel does not import .CR3 files");
    EXPECT_EQ(std::tuple(first.summary.copied, first.summary.copiedAgain, first.summary.leftOnCard),
              std::tuple(2, 1, 1));
    std::string record;
    for (const auto& entry : std::filesystem::directory_iterator(dest / "ascmhl"))
        if (entry.path().extension() == ".mhl")
            record = readFile(entry.path());
    EXPECT_THAT(record, HasSubstr("JPG/2016/03/07/IMG_0001.JPG"));
    EXPECT_THAT(record, HasSubstr(xxhsum(dest / "JPG/2016/03/07/IMG_0001.JPG")));

    std::filesystem::remove(card / "DCIM/100TEST/IMG_0003.CR3");
    const RunResult second = run();
    EXPECT_EQ(std::tuple(second.summary.alreadyThere, second.summary.copied), std::tuple(2, 0));
    EXPECT_TRUE(second.summary.allSafe());
    EXPECT_THAT(verdictSentence(second.summary).toStdString(),
                HasSubstr("may be deleted from the camera or phone"));
}

// Found there again by its record and the destination's bytes, without a transfer; a
// destination or camera file that changed since is sent and compared.
TEST_F(DeviceTest, AReimportSendsOnlyWhatTheRecordCannotVouchFor) {
    run();
    faults::failNext(faults::Call::DeviceRead, GP_ERROR_IO, -1); // any transfer fails
    const RunResult again = run();
    EXPECT_EQ(again.summary.alreadyThere, 2);
    faults::clear();
    writeFile(dest / "JPG/2016/03/07/IMG_0001.JPG", std::string(kPhoto.size(), 'q'), kDay);
    writeFile(card / "DCIM/100TEST/IMG_0002.CR2", "RAW", "2016-03-07 11:00");
    const RunResult changed = run();
    EXPECT_THAT(changed.of(on("IMG_0001.JPG")).detail, HasSubstr("has changed since"));
    EXPECT_EQ(changed.of(on("IMG_0002.CR2")).outcome, NameTaken);
}

// With capture dates on, a photo is dated by the EXIF at its start, which the camera sends
// alone; one without is dated by the camera's file time.
TEST_F(DeviceTest, CaptureDatesAreReadFromTheStartOfTheFile) {
    sandbox.set({{keys::TakenDate, "1"}});
    writeFile(card / "DCIM/100TEST/IMG_0005.JPG", stillWithDates("2019:05:04 08:00:00"), kDay);
    const RunResult result = run();
    EXPECT_THAT(filesBelow(dest.path()),
                ElementsAre("JPG/2016/03/07/IMG_0001.JPG", "JPG/2019/05/04/IMG_0005.JPG",
                            "RAW/2016/03/07/IMG_0002.CR2"));
    EXPECT_EQ(result.summary.datedByFileTimes, 2);
}

// A camera that sends parts of a file, as PTP's partial reads do; the Directory Browse camera
// sends only whole files.
class PartsDevice final : public Device {
  public:
    explicit PartsDevice(std::string bytes, bool parts) : bytes_(std::move(bytes)), parts_(parts) {}
    const std::string& port() const override { return bytes_; }
    const std::string& model() const override { return bytes_; }
    std::vector<std::string> storages() override { return {}; }
    void list(std::vector<DeviceFile>&, std::vector<DeviceProblem>&, const ListProgress&) override {}
    std::string readPreview(const std::string&) override { return {}; }
    std::string read(const std::string&, int, const std::function<bool()>&) override {
        return "no";
    }
    std::string readStart(const std::string&, std::size_t max) override {
        return bytes_.substr(0, max);
    }
    std::string readRange(const std::string&, std::uint64_t at, std::size_t max) override {
        sent += parts_ ? std::min(max, bytes_.size() - at) : 0;
        return parts_ ? bytes_.substr(at, max) : std::string();
    }
    std::size_t sent = 0;

  private:
    std::string bytes_;
    bool parts_;
};

// A clip whose movie header follows 8 MiB of movie data is dated by it from the clip's last
// MiB alone, where the camera sends parts; else it is left to the file time.
TEST(DeviceCaptureTime, AClipsHeaderAfterItsDataIsReadFromItsEnd) {
    const std::string clip = movie(0, 3'639'816'000, true, false, 8 << 20); // 2019-05-04 12:00 UTC
    for (const bool parts : {true, false}) {
        PartsDevice device(clip, parts);
        const FilingTime time =
            captureFilingTime(device, {"/MVI_0001.MOV", std::int64_t(clip.size())});
        EXPECT_EQ(std::tuple(time.placed, time.fromCapture), std::tuple(parts, parts));
        EXPECT_LE(device.sent, std::size_t(1) << 20);
        if (parts) {
            EXPECT_EQ(time.folders(), (std::array<std::string, 3>{"2019", "05", "04"}));
        }
    }
}

// A survey marks each file as its import decides; a selection imports the chosen files alone.
TEST_F(DeviceTest, TheSurveyMarksFilesAsTheImportOfASelectionFindsThem) {
    std::string why;
    const auto device = openDevice(port, why);
    ASSERT_TRUE(device) << why;
    EXPECT_EQ(device->readPreview("/DCIM/100TEST/NONE.JPG"), "");
    const auto survey = [&] {
        const auto options = readImportOptions(*openPreferences());
        StandingCheck check(options);
        std::vector<std::string> marks;
        for (const SurveyedFile& file : listDevice(*device, deviceRoot(port + "//"), options)) {
            std::string recorded;
            const Standing standing = check.standingOf(file, &recorded, device.get());
            marks.push_back(file.path.substr(port.size()) + " " +
                            std::to_string(static_cast<int>(standing)) + " " + recorded);
        }
        return marks;
    };
    EXPECT_THAT(survey(),
                ElementsAre("/DCIM/100TEST/IMG_0001.JPG 0 ", "/DCIM/100TEST/IMG_0002.CR2 0 ",
                            "/DCIM/100TEST/IMG_0003.CR3 3 "));
    const std::unordered_set<std::string> only{on("IMG_0001.JPG")};
    std::ostringstream out;
    CopyHandler handler(sink, out);
    handler.only = &only;
    handler.importDevice(port);
    EXPECT_THAT(filesBelow(dest.path()), ElementsAre("JPG/2016/03/07/IMG_0001.JPG"));
    EXPECT_EQ(std::tuple(handler.summary().copied, handler.summary().unselectedNew),
              std::tuple(1, 1));
    EXPECT_EQ(handler.summary().notCopiedNow.at(0).outcome.destPath,
              dest / "RAW/2016/03/07/IMG_0002.CR2");
    // A copy no record vouches for is compared with what the camera sends.
    writeFile(dest / "RAW/2016/03/07/IMG_0002.CR2", "raw");
    EXPECT_THAT(survey(),
                ElementsAre("/DCIM/100TEST/IMG_0001.JPG 1 ", "/DCIM/100TEST/IMG_0002.CR2 1 ",
                            "/DCIM/100TEST/IMG_0003.CR3 3 "));
    std::filesystem::remove(dest / "JPG/2016/03/07/IMG_0001.JPG");
    writeFile(dest / "RAW/2016/03/07/IMG_0002.CR2", "RAW");
    EXPECT_THAT(survey(),
                ElementsAre("/DCIM/100TEST/IMG_0001.JPG 2 JPG/2016/03/07/IMG_0001.JPG",
                            "/DCIM/100TEST/IMG_0002.CR2 0 ", "/DCIM/100TEST/IMG_0003.CR3 3 "));
    EXPECT_TRUE(listDevice(*device, port, {}, [](auto, auto) { return false; }).empty());
}

// A transfer that stops, or a listing that fails, is named, and leaves the device unsafe.
TEST_F(DeviceTest, AFailedTransferOrListingIsNamedAndLeavesNothing) {
    writeFile(card / "IMG_A.JPG", "first", kDay);
    // After IMG_A.JPG and the first chunk of IMG_0001.JPG; after the listing of / and IMG_A.JPG.
    struct Case {
        faults::Call call;
        int result, after;
        std::string path, why;
        std::vector<std::string> copied;
    };
    const Case cases[] = {
        {faults::Call::DeviceRead,
         GP_ERROR_IO_USB_FIND,
         2,
         on("IMG_0001.JPG"),
         "the camera was disconnected",
         {"JPG/2016/03/07/IMG_A.JPG", "RAW/2016/03/07/IMG_0002.CR2"}},
        {faults::Call::DeviceList, GP_ERROR_IO, 0, port + "/", "the camera says: I/O problem", {}},
        // The card's own files are listed and copied; its DCIM folder is not.
        {faults::Call::DeviceList,
         GP_ERROR_IO,
         2,
         port + "/DCIM",
         "the camera says: I/O problem",
         {"JPG/2016/03/07/IMG_A.JPG"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        std::filesystem::remove_all(dest.path());
        std::filesystem::create_directory(dest.path());
        faults::failNext(c.call, c.result, 1, c.after);
        const RunResult result = run();
        faults::clear();
        EXPECT_EQ(result.of(c.path).outcome, SourceUnreadable);
        EXPECT_EQ(result.of(c.path).detail, c.why);
        EXPECT_EQ(filesBelow(dest.path()), c.copied);
        EXPECT_THAT(verdictSentence(result.summary).toStdString(),
                    HasSubstr("Do not delete anything"));
    }
}

// Cancel does not wait for a clip to arrive: the transfer in hand is abandoned and nothing of
// it is published.
TEST_F(DeviceTest, AStopEndsTheTransferInHand) {
    StopRequest stop;
    sink.onFile = [&](int) { stop.request(); };
    const RunResult result = run(&stop);
    EXPECT_EQ(filesBelow(dest.path()), std::vector<std::string>{});
    EXPECT_EQ(
        std::tuple(result.of(on("IMG_0001.JPG")).outcome, result.of(on("IMG_0002.CR2")).outcome),
        std::tuple(Stopped, Stopped));
    EXPECT_TRUE(result.summary.stopped);
}

} // namespace
} // namespace kestrel::test
