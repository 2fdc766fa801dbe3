// The hash record of a destination root: generations and chain checked with xmllint against
// the ASC's schemas and with xxhsum, read back, checked against the tree, and failing safely.
#include "record/HashRecord.h"
#include "TestSupport.h"
#include "base/ContentHash.h"
#include "base/FaultPoints.h"
#include "record/C4Id.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>

namespace kestrel {
namespace {

using enum faults::Call;
using test::filesBelow;
using test::readFile;
using test::runProcess;
using test::xmllint;
using test::xxhsum;

const std::time_t kFirst = 1796739302; // 2026-12-08 14:15:02 UTC
const std::vector<std::string> kPaths{"DCIM/IMG_0001.JPG", "Clips/A&B <1> \"x\".MOV", "big.raw",
                                      "empty.txt"};

class HashRecordTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::vector<std::string> contents{"jpeg", "movie", std::string(3 << 19, 'r') + "!",
                                                ""};
        for (std::size_t i = 0; i < kPaths.size(); ++i)
            test::writeFile(root + "/" + kPaths[i], contents[i]);
    }
    void TearDown() override { faults::clear(); }

    // The files at paths as a run records them, hashed and looked at here.
    std::vector<RecordedFile> describe(const std::vector<std::string>& paths) const {
        std::vector<RecordedFile> files;
        for (const std::string& path : paths) {
            struct stat st {};
            ::stat((root + "/" + path).c_str(), &st);
            const auto hash = hashFileAt(AT_FDCWD, root + "/" + path);
            files.push_back({path, st.st_size, st.st_mtime, hash.value_or(Digest128{}),
                             RecordedFile::Action::Original, kFirst});
        }
        return files;
    }
    RecordResult record(std::time_t when, const std::vector<std::string>& paths = kPaths) {
        return addGeneration(root, describe(paths), {"kestrel", "0.1.0", "host&co", when});
    }
    std::vector<std::string> recordFolder() const { return filesBelow(root + "/ascmhl"); }

    test::TempDir dir;
    const std::string root = dir / "Pictures";
};

TEST(ContentHash, MatchesXxhsumAndC4KnownAnswers) {
    test::TempDir dir;
    for (const std::string& contents :
         {std::string(), std::string("foo"), std::string((1 << 20) + 7, 'z')}) {
        test::writeFile(dir / "f", contents);
        const auto digest = hashFileAt(AT_FDCWD, dir / "f");
        ASSERT_TRUE(digest);
        EXPECT_EQ(digest->hex(), xxhsum(dir / "f"));
        EXPECT_EQ(Digest128::fromHex(digest->hex()), digest);
    }
    EXPECT_FALSE(Digest128::fromHex("79aef92e83454121ab6e5f64077e7d8g"));
    EXPECT_FALSE(hashFileAt(AT_FDCWD, dir / "none"));
    EXPECT_EQ(c4Id(""), "c459dsjfscH38cYeXXYogktxf4Cd9ibshE3BHUo6a58hBXmRQdZrAkZzsWcbWtDg5oQstp"
                        "Duni4Hirj75GEmTc1sFT");
    EXPECT_EQ(c4Id("foo"), "c45xZeXwMSpqXjpDumcHMA6mhoAmGHkUo7r9WmN2UgSEQzj9KjgseaQdkEJ11fGb5S1WE"
                           "ENcV3q8RFWwEeVpC7Fjk2");
}

TEST_F(HashRecordTest, TwoGenerationsFollowTheSchemasAndTheChain) {
    std::vector<std::string> paths = kPaths;
    paths.insert(paths.end(), {"bad\x01name", "bad\xffname", "../outside", "/absolute"});
    const RecordResult first = record(kFirst, paths);
    ASSERT_TRUE(first.ok()) << first.error;
    EXPECT_EQ(first.leftOut, std::vector<std::string>(paths.begin() + 4, paths.end()));
    const std::string chainPath = root + "/ascmhl/ascmhl_chain.xml";
    const std::string firstChain = readFile(chainPath);
    const RecordResult second = record(kFirst + 3600, {kPaths[0]});
    ASSERT_TRUE(second.ok()) << second.error;

    const std::vector<std::string> names{"0001_Pictures_2026-12-08_141502Z.mhl",
                                         "0002_Pictures_2026-12-08_151502Z.mhl"};
    EXPECT_EQ(first.generation, names[0]);
    EXPECT_EQ(second.generation, names[1]);
    EXPECT_EQ(recordFolder(), std::vector<std::string>({names[0], names[1], "ascmhl_chain.xml"}));
    EXPECT_EQ(xmllint("ASCMHLDirectory.xsd", chainPath), 0);
    const std::string chain = readFile(chainPath);
    // The first generation's entry stays as it was; each C4 id is that of its file.
    EXPECT_EQ(chain.substr(0, firstChain.size() - 19),
              firstChain.substr(0, firstChain.size() - 19));
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string file = root + "/ascmhl/" + names[i];
        EXPECT_EQ(xmllint("ASCMHL.xsd", file), 0) << readFile(file);
        EXPECT_NE(chain.find("<hashlist sequencenr=\"" + std::to_string(i + 1) + "\">\n    <path>" +
                             names[i] + "</path>\n    <c4>" + c4Id(readFile(file)) + "</c4>"),
                  std::string::npos)
            << chain;
    }
    const std::string generation = readFile(root + "/ascmhl/" + names[0]);
    std::string error;
    const auto history = readHistory(root, error);
    ASSERT_TRUE(history) << error;
    EXPECT_EQ(history->generations, 2);
    EXPECT_EQ(history->files.size(), kPaths.size());
    for (const std::string& path : kPaths) {
        const std::string hex = xxhsum(root + "/" + path);
        EXPECT_NE(generation.find(">" + hex + "</xxh128>"), std::string::npos) << path;
        const HistoryEntry& entry = history->files.at(path);
        EXPECT_EQ(entry.xxh128.value_or(Digest128{}).hex(), hex);
        EXPECT_EQ(entry.generation, path == kPaths[0] ? 2 : 1);
        EXPECT_EQ(entry.size, std::filesystem::file_size(root + "/" + path));
    }
}

// What verifyRoot found, a line each, as kestrel-import --verify names it.
std::vector<std::string> found(const VerifyResult& result) {
    std::vector<std::string> lines;
    for (const auto& [label, list] : {std::pair{"changed: ", &result.changed},
                                      {"missing: ", &result.missing},
                                      {"unreadable: ", &result.unreadable},
                                      {"not recorded: ", &result.unrecorded}})
        for (const std::string& path : *list)
            lines.push_back(label + path);
    lines.push_back((result.stopped ? "stopped, " : "") + std::to_string(result.matched) +
                    " match");
    return lines;
}

// Each thing that can become of a recorded file alone fails the check.
TEST_F(HashRecordTest, VerifyTellsWhatBecameOfARecordedFile) {
    using Change = std::function<void(const std::string& bigRaw)>;
    const auto replace = [](const std::function<void(const std::string&)>& make) {
        return [make](const std::string& path) {
            std::filesystem::remove(path);
            make(path);
        };
    };
    const auto link = replace([](auto& p) { ::symlink("/etc/passwd", p.c_str()); });
    const auto fifo = replace([](auto& p) { ::mkfifo(p.c_str(), 0644); });
    const auto folder = replace([](auto& p) { ::mkdir(p.c_str(), 0755); });
    const Change sameSize = [](auto& p) { test::writeFile(p, std::string(3 << 19, 'r') + "?"); };
    const Change removed = [](auto& p) { std::filesystem::remove(p); };
    const Change added = [](auto& p) { test::writeFile(p + ".new", "new"); };
    // Stopped before big.raw and empty.txt, which are gone: neither is called missing.
    const Change gone = [](auto& p) {
        std::filesystem::remove(p), std::filesystem::remove(p + "/../empty.txt");
    };
    const std::string eio = "unreadable: " + kPaths[1] + ": Input/output error";
    // what becomes of big.raw, the call made to fail after `after` calls (with error; 0:
    // none), how often stop is asked before it answers true (0: never), what the check finds
    using Row = std::tuple<Change, faults::Call, int, int, int, std::vector<std::string>>;
    const std::vector<Row> rows{
        {{}, Read, 0, 0, 0, {"4 match"}},
        {sameSize, Read, 0, 0, 0, {"changed: big.raw", "3 match"}},
        {removed, Read, 0, 0, 0, {"missing: big.raw", "3 match"}},
        {added, Read, 0, 0, 0, {"not recorded: big.raw.new", "4 match"}},
        {link, Read, 0, 0, 0, {"changed: big.raw", "3 match"}},
        {fifo, Read, 0, 0, 0, {"changed: big.raw", "3 match"}},
        {folder, Read, 0, 0, 0, {"changed: big.raw", "3 match"}},
        {{}, OpenSource, EACCES, 2, 0, {"unreadable: big.raw: Permission denied", "3 match"}},
        {{}, Read, EIO, 0, 0, {eio, "3 match"}},
        {gone, Read, 0, 0, 5, {"stopped, 2 match"}}};
    for (const auto& [change, call, error, after, stopAfter, expected] : rows) {
        SCOPED_TRACE(expected.front());
        std::filesystem::remove_all(root);
        SetUp();
        ASSERT_TRUE(record(kFirst).ok());
        test::writeFile(root + "/.DS_Store", "ignored by the record");
        if (change)
            change(root + "/big.raw");
        if (error != 0)
            faults::failNext(call, error, 1, after);
        int asked = 0;
        std::int64_t done = 0;
        const VerifyResult result = verifyRoot(
            root, [&](std::int64_t bytes) { done = bytes; },
            [&, stop = stopAfter] { return stop > 0 && ++asked > stop; });
        faults::clear();
        EXPECT_EQ(found(result), expected);
        EXPECT_EQ(result.passed(), expected.back() == "4 match"); // files never recorded pass
        EXPECT_TRUE(!result.ok() || done == 9 + (3 << 19) + 1);
    }
    EXPECT_EQ(verifyRoot(root + "/DCIM").error, "no hash record");
}

TEST_F(HashRecordTest, RefusesARecordFolderThatIsASymbolicLink) {
    ::mkdir((dir / "elsewhere").c_str(), 0755);
    ASSERT_EQ(::symlink("../elsewhere", (root + "/ascmhl").c_str()), 0);
    const RecordResult result = record(kFirst);
    EXPECT_EQ(result.error, "the hash record at " + root +
                                " cannot be written: its ascmhl folder is a symbolic link");
    EXPECT_TRUE(filesBelow(dir / "elsewhere").empty());
    std::string error;
    EXPECT_FALSE(readHistory(root, error));
    EXPECT_NE(error.find("symbolic link"), std::string::npos);
}

TEST_F(HashRecordTest, TakesTheNextNumberWhenANameIsTaken) {
    faults::failNext(Linkat, EEXIST); // as when another run published under it meanwhile
    EXPECT_EQ(record(kFirst).generation, "0002_Pictures_2026-12-08_141502Z.mhl");
    std::string error;
    EXPECT_EQ(readHistory(root, error).value_or(History{}).generations, 2) << error;
}

TEST_F(HashRecordTest, ReadingADamagedRecordSaysWhatIsWrong) {
    const std::string folder = root + "/ascmhl/";
    const std::string first = folder + "0001_Pictures_2026-12-08_141502Z.mhl";
    const std::vector<std::pair<std::function<void()>, std::string>> damages{
        {[&] { test::writeFile(first, "<hashlist/>"); }, "is not the file its chain lists"},
        {[&] { std::filesystem::remove(first); }, "No such file or directory"},
        {[&] { test::writeFile(folder + "ascmhl_chain.xml", "<a/>"); }, "not an ASC MHL chain"},
        {[&] {
             std::filesystem::remove(folder + "ascmhl_chain.xml");
             test::writeFile(first, "<hashlist/>");
         },
         "not an ASC MHL generation"}};
    for (const auto& [damage, expected] : damages) {
        std::filesystem::remove_all(folder);
        ASSERT_TRUE(record(kFirst).ok());
        damage();
        std::string error;
        EXPECT_FALSE(readHistory(root, error));
        EXPECT_NE(error.find(expected), std::string::npos) << error;
    }
}

struct FailedWrite {
    const char* name;
    std::vector<std::pair<faults::Call, int>> faults;
    bool generationKept; // the failure came after the generation was published
};

void PrintTo(const FailedWrite& row, std::ostream* out) {
    *out << row.name;
}

class FailedWriteTest : public HashRecordTest, public ::testing::WithParamInterface<FailedWrite> {};

TEST_P(FailedWriteTest, LeavesNoPartialGenerationAndTheNextRunRepairs) {
    for (const auto& [call, error] : GetParam().faults)
        faults::failNext(call, error);
    const RecordResult failed = record(kFirst);
    const int error = GetParam().faults.back().second;
    EXPECT_EQ(failed.error,
              "the hash record at " + root + " cannot be written: " + strerror(error));
    const std::vector<std::string> kept{"0001_Pictures_2026-12-08_141502Z.mhl"};
    EXPECT_EQ(recordFolder(), GetParam().generationKept ? kept : std::vector<std::string>{});
    faults::clear();
    ASSERT_TRUE(record(kFirst + 1).ok());
    const std::string chain = readFile(root + "/ascmhl/ascmhl_chain.xml");
    EXPECT_EQ(chain.find("sequencenr=\"2\"") != std::string::npos, GetParam().generationKept);
    EXPECT_EQ(xmllint("ASCMHLDirectory.xsd", root + "/ascmhl/ascmhl_chain.xml"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    HashRecord, FailedWriteTest,
    ::testing::Values(
        FailedWrite{"Write", {{Write, ENOSPC}}, false}, FailedWrite{"Fsync", {{Fsync, EIO}}, false},
        FailedWrite{"Linkat", {{Linkat, EDQUOT}}, false},
        FailedWrite{"NamedWrite", {{OpenTmpfile, EOPNOTSUPP}, {Write, ENOSPC}}, false},
        FailedWrite{"NamedRename", {{OpenTmpfile, EOPNOTSUPP}, {Renameat2, EIO}}, false},
        FailedWrite{"Mkdir", {{Mkdir, EROFS}}, false},
        FailedWrite{"ChainRename", {{Renameat2, ENOSPC}}, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kestrel
