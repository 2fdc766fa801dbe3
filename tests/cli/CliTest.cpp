// kestrel-import as a user runs it: settings, exit statuses, the lines on standard error,
// and runs cut short by limits and closed pipes.
#include "RunReport.h"
#include "TestSupport.h"
#include "base/Exiv2Setup.h"
#include "base/FaultPoints.h"

#include <gmock/gmock.h>
#include <gphoto2/gphoto2-result.h>
#include <gtest/gtest.h>

#include <exiv2/xmp_exiv2.hpp>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace kestrel::test {
namespace {

using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

class CliTest : public ::testing::Test {
  protected:
    CliTest() {
        const auto set = kestrelImport(
            {"--jpg-dest", dest.path(), "--raw-dest", dest.path(), "--date", "modified"});
        EXPECT_EQ(set.exitCode, 0) << set.err;
    }
    std::string photo(const std::string& name, const std::string& data) {
        writeFile(card / name, data, "2016-03-07 10:00");
        return card / name;
    }
    std::string copyOf(const std::string& name) { return dest / ("JPG/2016/03/07/" + name); }

    Sandbox sandbox;
    TempDir card, dest;
};

TEST_F(CliTest, SettingsAreStoredAsTheWindowStoresThem) {
    const std::tuple<std::vector<std::string>, const char*, std::string> cases[] = {
        {{"--jpg", "off"}, "kestrelJPG", "0"},
        {{"--raw", "on"}, "kestrelRAW", "1"},
        {{"--folders", "ym"}, "kestrelJPGDay", "0"},
        {{"--folders", "none"}, "kestrelJPGYear", "0"},
        {{"--raw-folders", "d"}, "kestrelRAWMonth", "0"},
        {{"--date", "created"}, "kestrelModDate", "0"},
        {{"--keep-both", "on"}, "kestrelKeepBoth", "1"},
        {{"--taken", "off"}, "kestrelTakenDate", "0"},
        {{"--jpg-dest", card / "odd name"}, "kestrelImportPath", card / "odd name"},
        {{"--verify-copies", "off"}, "kestrelVerify", "0"},
        {{"--backup-dest", card / "odd name"}, "kestrelBackupPath", card / "odd name"},
        {{"--backup-dest", "none"}, "kestrelBackupPath", ""},
        {{"--creator", "Jo Doe"}, "kestrelCreator", "Jo Doe"},
        {{"--keywords", "a, b"}, "kestrelKeywords", "a, b"},
        {{"--keywords", ""}, "kestrelKeywords", ""},
        {{"--sidecar-names", "name.ext"}, "kestrelSidecarNames", "name.ext"},
    };
    std::filesystem::create_directory(card / "odd name");
    for (const auto& [args, key, value] : cases) {
        SCOPED_TRACE(key);
        const ProcessResult result = kestrelImport(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(sandbox.get(key), value);
        EXPECT_THAT(kestrelImport({"--show"}).out,
                    HasSubstr(std::string(key) + "=" + value + "\n"));
    }
    const std::vector<std::string> bad[] = {{"--bogus"},
                                            {"--jpg", "maybe"},
                                            {"--folders", "yx"},
                                            {},
                                            {"a", "b"},
                                            {"--jpg"},
                                            {"--verify", dest.path(), "a"},
                                            {"--verify-copies", "x"},
                                            {"--sidecar-names", "NAME"},
                                            {"--credit", "\xff"}};
    const std::string stored = readFile(sandbox.preferencesFile());
    for (const auto& args : bad) {
        const ProcessResult result = kestrelImport(args);
        EXPECT_EQ(result.exitCode, 2) << testing::PrintToString(args);
        EXPECT_THAT(result.err, HasSubstr("Try 'kestrel-import --help'."));
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(readFile(sandbox.preferencesFile()), stored) << "bad usage changes nothing";
}

// A backup that is the destination, copies made on the card and destinations that are not
// there are refused before anything is copied, and the settings given with them not stored.
TEST_F(CliTest, RefusedDestinationsChangeNothing) {
    photo("A.JPG", "a");
    std::filesystem::create_directory(card / "copies");
    ::symlink(dest.path().c_str(), (card / "link").c_str());
    const std::string onCard = "the destination " + card / "copies" +
                               " is on the card being imported: it would be erased with the card";
    const std::string same = "the backup folder is the destination of the JPG group: choose "
                             "another folder";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--backup-dest", dest.path()}, same},
        {{"--backup-dest", card / "link", "--other-formats", "on", card.path()}, same},
        {{"--jpg-dest", card / "copies", card.path()}, onCard},
        {{"--backup-dest", card / "copies", "--folders", "y", card.path()}, onCard},
        {{"--raw-dest", card / "unplugged"},
         card / "unplugged" + " does not exist (is its drive connected?): create it first"},
    };
    const std::string stored = readFile(sandbox.preferencesFile());
    for (const auto& [args, why] : cases) {
        const ProcessResult result = kestrelImport(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err, "kestrel-import: " + why + "\n");
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(readFile(sandbox.preferencesFile()), stored);
    EXPECT_EQ(listTree(dest.path()), std::vector<std::string>{});
    EXPECT_FALSE(std::filesystem::exists(card / "unplugged"));
    TempDir backup; // a second copy, but on the destination's disk: said, not refused
    const ProcessResult result = kestrelImport({"--backup-dest", backup.path(), card.path()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.err, StartsWith("kestrel-import: warning: the backup folder " +
                                       backup.path() + " is on the same disk as the destination"));
}

// --verify lists what changed, went or was never recorded at a destination, and fails only
// for what its record vouches for.
TEST_F(CliTest, VerifyChecksADestinationAgainstItsRecord) {
    EXPECT_THAT(kestrelImport({"--show"}).out, HasSubstr("kestrelVerify=<nil>\n"));
    for (const char* name : {"JPG/A.JPG", "JPG/B.JPG", "C.MOV"})
        writeFile(dest / name, name);
    recordFiles(dest.path(), {"JPG/A.JPG", "JPG/B.JPG", "C.MOV"});
    const std::string at = " files at " + dest.path() + ": ";
    ProcessResult result = kestrelImport({"--verify", dest.path()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "checked 3" + at + "3 match, 0 changed, 0 missing, 0 not recorded.\n");

    writeFile(dest / "JPG/new\nline.JPG", "unrecorded");
    EXPECT_EQ(kestrelImport({"--verify", dest.path()}).exitCode, 0);
    // Each alone fails the check: a link in a recorded file's place, a change at the same size.
    std::filesystem::rename(dest / "C.MOV", dest / "C.old");
    std::filesystem::create_symlink("C.old", dest / "C.MOV");
    result = kestrelImport({"--verify", dest.path()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.out, StartsWith("changed: C.MOV\n"));
    std::filesystem::remove(dest / "C.MOV");
    std::filesystem::rename(dest / "C.old", dest / "C.MOV");
    writeFile(dest / "JPG/A.JPG", "JPG/A.JPX"); // same size, one byte changed
    EXPECT_EQ(kestrelImport({"--verify", dest.path()}).exitCode, 1);
    std::filesystem::remove(dest / "C.MOV");
    result = kestrelImport({"--verify", dest.path()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out,
              "changed: JPG/A.JPG\nmissing: C.MOV\nnot recorded: $'JPG/new\\nline.JPG'\n");
    EXPECT_EQ(result.err, "checked 4" + at + "1 match, 1 changed, 1 missing, 1 not recorded.\n");

    result = kestrelImport({"--verify", card.path()});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err,
              "kestrel-import: " + card.path() + " has no hash record (ascmhl folder)\n");
    EXPECT_EQ(kestrelImport({"--verify", dest / "JPG/B.JPG"}).exitCode, 2);
}

// Every item of every property of the XMP sidecar at path, as exiv2 reads it.
std::map<std::string, std::vector<std::string>> readSidecar(const std::string& path) {
    setUpExiv2();
    Exiv2::XmpData xmp;
    EXPECT_EQ(Exiv2::XmpParser::decode(xmp, readFile(path)), 0) << path;
    std::map<std::string, std::vector<std::string>> read;
    for (const Exiv2::Xmpdatum& datum : xmp)
        for (long i = 0; i < (datum.typeId() == Exiv2::xmpText ? 1 : datum.count()); ++i)
            read[datum.key()].push_back(datum.toString(i));
    return read;
}

// The photographer's words reach a sidecar beside every copy exactly as given; a file with
// a sidecar's name stays as it is; sidecars are recorded but count for nothing in the verdict.
TEST_F(CliTest, SidecarsCarryTheMetadataBesideEveryCopy) {
    const std::string words = "Jo \"X\" <b> & 'c' \u00e9\n\u65e5\r\n\ttype=Bag lang=\"de\" ]]>";
    photo("A.JPG", "a"), photo("A.MOV", "m"), photo("B.JPG", "b");
    TempDir backup;
    writeFile(backup / "JPG/2016/03/07/B.xmp", "theirs");
    ProcessResult result = kestrelImport({"--backup-dest", backup.path(), "--creator", words,
                                          "--copyright", words, "--credit", words, "--keywords",
                                          "k1," + words, "--description", words, card.path()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.err, HasSubstr("copying of 3 files finished.\n"));
    EXPECT_THAT(result.out, HasSubstr("note: " + backup / "JPG/2016/03/07/B.xmp" +
                                      ": a file of this name is already there"));
    EXPECT_EQ(readFile(backup / "JPG/2016/03/07/B.xmp"), "theirs");
    const std::vector<std::string> one{words};
    for (const std::string& sidecar :
         {copyOf("A.xmp"), copyOf("B.xmp"), backup / "JPG/2016/03/07/A.xmp"})
        EXPECT_EQ(readSidecar(sidecar), (std::map<std::string, std::vector<std::string>>{
                                            {"Xmp.dc.creator", one},
                                            {"Xmp.dc.rights", one},
                                            {"Xmp.dc.description", one},
                                            {"Xmp.photoshop.Credit", one},
                                            {"Xmp.dc.subject", {"k1", words}}}));
    EXPECT_THAT(kestrelImport({"--verify", dest.path()}).err, HasSubstr("checked 5 files"));
    EXPECT_EQ(kestrelImport({"--verify", backup.path()}).exitCode, 0);

    // Without metadata no sidecar; with NAME.EXT.xmp one per copy, those already there too.
    photo("C.JPG", "c");
    const std::string longName = std::string(248, 'L') + ".JPG"; // NAME.EXT.xmp is too long
    EXPECT_EQ(kestrelImport({"--creator", "", "--copyright", "", "--credit", "", "--keywords", "",
                             "--description", "", card.path()})
                  .exitCode,
              0);
    photo(longName, "l");
    result = kestrelImport({"--creator", "Jo", "--sidecar-names", "name.ext", card.path()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.out, HasSubstr("note: " + copyOf(longName) +
                                      ".xmp: the sidecar cannot be written: File name too long"));
    EXPECT_EQ(
        filesBelow(dest.path() + "/JPG/2016/03/07"),
        (std::vector<std::string>{"A.JPG", "A.JPG.xmp", "A.MOV", "A.MOV.xmp", "A.xmp", "B.JPG",
                                  "B.JPG.xmp", "B.xmp", "C.JPG", "C.JPG.xmp", longName}));
    // Run again: each sidecar is there with the same text, which is fine.
    EXPECT_THAT(kestrelImport({card.path()}).out, Not(HasSubstr("a file of this name")));
    writeFile(copyOf("A.xmp"), "changed");
    result = kestrelImport({"--verify", dest.path()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "changed: JPG/2016/03/07/A.xmp\n");
}

// An entry the check cannot use damages the record: --verify names its generation, its
// place and its path as written, and fails.
TEST_F(CliTest, VerifyNamesTheEntryThatDamagesTheRecord) {
    writeFile(dest / "A.JPG", "a");
    recordFiles(dest.path(), {"A.JPG"});
    const std::string hex(32, 'a'), name = "0002_root_2026-12-08_101500Z.mhl";
    const std::string entity = "<!DOCTYPE hashlist [<!ENTITY x ", good = "JPG/B.JPG";
    const std::string dot = "the path has an empty or \".\" part", notHex = "is not 32 hex digits";
    // path, size, xxh128, doctype ("link": JPG is a link out of the root), what is wrong
    const std::array<std::string, 5> rows[] = {
        {"a&x;.JPG", "1", hex, "", "entry 2: the XML is not well-formed at line 5"},
        {"a&x;.JPG", "1", hex, "<!DOCTYPE hashlist SYSTEM \"mhl.dtd\">",
         "entry 2 (a&x;.JPG): the path refers to the entity &x;, which cannot be resolved"},
        {"a&x;.JPG", "1", hex, entity + "SYSTEM \"/etc/passwd\">]>",
         "line 2: the entity &x; refers to /etc/passwd, which cannot be resolved"},
        {"&x;/etc/passwd", "1", hex, entity + "\"..\">]>",
         "entry 2 (../etc/passwd): the path leaves the root"},
        {"../etc/passwd", "1", hex, "", "entry 2 (../etc/passwd): the path leaves the root"},
        {"JPG/./B.JPG", "1", hex, "", "entry 2 (JPG/./B.JPG): " + dot},
        {"JPG//B.JPG", "1", hex, "", "entry 2 (JPG//B.JPG): " + dot},
        {"", "1", hex, "", "entry 2 (): the path is empty"},
        {"/etc/passwd", "1", hex, "", "entry 2 (/etc/passwd): the path is absolute"},
        {good, "1", "abc", "", "entry 2 (JPG/B.JPG): the xxh128 hash " + notHex},
        {good, "1", hex.substr(1) + "g", "", "entry 2 (JPG/B.JPG): the xxh128 hash " + notHex},
        {good, "-1", hex, "", "entry 2 (JPG/B.JPG): the size \"-1\" is not a number of bytes"},
        {good, "1e3", hex, "", "entry 2 (JPG/B.JPG): the size \"1e3\" is not a number of bytes"},
        {good, "1", hex, "link",
         "entry 2 (JPG/B.JPG): the path goes through the symbolic link JPG"}};
    for (const auto& [path, size, hash, doctype, why] : rows) {
        SCOPED_TRACE(why);
        std::filesystem::remove_all(dest / "JPG");
        if (doctype == "link")
            std::filesystem::create_directory_symlink(card.path(), dest / "JPG");
        const std::string a =
            "<hash><path size=\"1\">A.JPG</path><xxh128>" + xxhsum(dest / "A.JPG");
        writeFile(dest / ("ascmhl/" + name),
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" +
                      (doctype == "link" ? "" : doctype) +
                      "\n<hashlist version=\"2.0\" xmlns=\"urn:ASC:MHL:v2.0\"><hashes>\n" + a +
                      "</xxh128></hash>\n<hash><path size=\"" + size + "\">" + path +
                      "</path><xxh128>" + hash + "</xxh128></hash>\n</hashes></hashlist>\n");
        const ProcessResult result = kestrelImport({"--verify", dest.path()});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "kestrel-import: the hash record at " + dest.path() +
                                  " is damaged: " + name + ", " + why + "\n");
    }
}

// The exit status tells whether every photo is safe; standard error names what is not.
TEST_F(CliTest, ExitStatusAndWhatIsLeftBehind) {
    photo("A.JPG", "a");
    photo("B.JPG", "b");
    ProcessResult result = kestrelImport({card.path()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(lines(result.err),
                testing::ElementsAre("copying of 2 files finished.", StartsWith("report: "),
                                     "The card may be formatted: every photo and clip is verified "
                                     "at its destination."));
    EXPECT_THAT(result.out, HasSubstr(card / "B.JPG -> " + copyOf("B.JPG") + " true\n"));

    // Found there, but unknown to a record made anew: recorded as the files' first hashes.
    std::filesystem::remove_all(dest / "ascmhl");
    result = kestrelImport({card.path()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.err, StartsWith("copying of 2 files finished. 2 already there.\n"));
    std::string record;
    for (const auto& file : std::filesystem::directory_iterator(dest / "ascmhl"))
        record += readFile(file.path());
    EXPECT_THAT(record, testing::AllOf(HasSubstr("action=\"original\""),
                                       testing::Not(HasSubstr("action=\"verified\""))));

    photo("B.JPG", "another photo with the name");
    result = kestrelImport({card.path()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(
        lines(result.err),
        testing::ElementsAre("copying of 2 files finished. 1 already there. 1 not copied.",
                             "not copied: " + card / "B.JPG" + ": a different file has this name",
                             StartsWith("report: " + sandbox.reportsFolder() + "/"),
                             "Do not format the card yet: 1 file is only on the card."));
    EXPECT_EQ(readFile(copyOf("B.JPG")), "b");

    result = kestrelImport({"--keep-both", "on", card.path()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.out, HasSubstr(" -> " + copyOf("B-1.JPG") + " true\n"));

    // A damaged preferences file reads as absent values, never as a crash.
    writeFile(sandbox.preferencesFile(), "[General]\nkestrelJPG=@Variant(\\0\\0\\0\\x7f\\xff)"
                                         "\nkestrelRAW=@StringList(a, b)\n\xff\xfe[\n");
    result = kestrelImport({"--show"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("kestrelImportPath=<nil>\n"));

    // Preferences that cannot be read stop the run before anything is done.
    std::filesystem::remove(sandbox.preferencesFile());
    std::filesystem::create_directory(sandbox.preferencesFile());
    result = kestrelImport({card.path()});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_THAT(result.err, HasSubstr(sandbox.preferencesFile()));
    EXPECT_EQ(result.out, "");
}

// Only the verdict is said in the user's language: the log, the summary line and the folders
// named by dates are the same bytes in every one (Turkish, untranslated, reads English).
TEST_F(CliTest, TheLogIsTheSameInEveryLanguageAndNoEnglishIsShown) {
    photo("A.JPG", "a");
    photo("B.CR3", "raw");
    photo("C.HEIC", "heic");
    writeFile(sandbox.reportsFolder(), "not a folder");
    std::string english;
    for (const char* locale : {"C.UTF-8", "tr_TR.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        for (const auto& entry : std::filesystem::directory_iterator(dest.path()))
            std::filesystem::remove_all(entry);
        const EnvScope language("LC_ALL", locale);
        const ProcessResult run =
            kestrelImport({"--folders-pattern", "{tag}/{taken:%B %a}", card.path()});
        EXPECT_EQ(run.out, english.empty() ? english = run.out : english);
        EXPECT_EQ(listTree(dest.path()),
                  (std::vector<std::string>{"JPG/", "JPG/March Mon/", "JPG/March Mon/A.JPG"}))
            << locale;
        EXPECT_THAT(run.err, HasSubstr(card / "C.HEIC")) << locale; // left on the card
        writeFile(dest / "JPG/March Mon/A.JPG", "changed");
        std::string shown = run.err + kestrelImport({"--verify", dest.path()}).err +
                            kestrelImport({"--rename", "{seq:0}{ext}", card.path()}).err +
                            kestrelImport({"--jpg", "maybe"}).err + kestrelImport({"--help"}).out;
        for (const std::string& path : {card / "B.CR3", dest.path()})
            for (std::size_t at; (at = shown.find(path)) != std::string::npos;)
                shown.erase(at, path.size());
        // In English the same words are there: the check sees what it looks for.
        const bool inEnglish = !std::string_view(locale).starts_with("de") &&
                               !std::string_view(locale).starts_with("fr");
        for (const char* word : {" the ", " is ", " not ", " was ", " file", " copied", " cannot",
                                 " of ", "finished", "warning: ", "changed"})
            EXPECT_EQ(shown.find(word) != std::string::npos, inEnglish)
                << locale << " [" << word << "]\n"
                << shown;
    }
}

// No destination chosen stops the run before anything is copied; photos left on the card
// fail it; a report that cannot be written is said so, never named.
TEST_F(CliTest, NoDestinationLeftOnCardAndNoReport) {
    photo("A.JPG", "a");
    sandbox.set({{"kestrelImportPath", ""}});
    ProcessResult result = kestrelImport({"--other-formats", "on", card.path()});
    EXPECT_EQ(sandbox.get("kestrelOtherFormats"), "<nil>") << "a refused run stores nothing";
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "kestrel-import: no destination chosen for the JPG group: choose one "
                          "with --jpg-dest\n");
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(listTree(dest.path()).empty());

    for (int i = 10; i < 31; ++i)
        photo("X" + std::to_string(i) + ".CR3", "raw");
    writeFile(sandbox.reportsFolder(), "not a folder");
    result = kestrelImport({"--jpg-dest", dest.path(), card.path()});
    EXPECT_EQ(result.exitCode, 1);
    const auto err = lines(result.err);
    ASSERT_EQ(err.size(), 24u) << result.err;
    EXPECT_EQ(err[0], "copying of 1 files finished. 21 other photos or clips were not imported.");
    EXPECT_EQ(err[1], "not copied: " + card / "X10.CR3" + ": kestrel does not import .CR3 files");
    EXPECT_EQ(err[21], "… and 1 more not copied");
    EXPECT_EQ(err[22], "kestrel-import: warning: the report could not be written: Not a directory");
    EXPECT_EQ(err[23], "Do not format the card yet: 21 files are only on the card.");
    EXPECT_THAT(result.out, testing::Not(HasSubstr("CR3")));
    EXPECT_EQ(readFile(copyOf("A.JPG")), "a");
}

// A run that dies or is stopped leaves only whole files under final names, and the next
// run completes the card.
TEST_F(CliTest, InterruptedRunsLoseNothing) {
    const std::string big(3 << 20, 'x');
    photo("1.JPG", "small");
    photo("2.MOV", big);
    photo("3.JPG", "last");
    ProcessOptions limited;
    limited.fileSizeLimit = 1 << 20;
    ProcessResult result = kestrelImport({card.path()}, limited);
    EXPECT_EQ(result.exitCode, 128 + SIGXFSZ) << "the limit killed the run";
    for (const char* name : {"1.JPG", "2.MOV", "3.JPG"})
        EXPECT_TRUE(!std::filesystem::exists(copyOf(name)) ||
                    readFile(copyOf(name)) == readFile(card / name))
            << name << " is whole or absent";
    EXPECT_FALSE(std::filesystem::exists(copyOf("2.MOV")));

    ProcessOptions closed; // standard output is a pipe nobody reads
    closed.inChild = [] {
        int ends[2];
        if (::pipe(ends) != 0 || ::dup2(ends[1], 1) < 0)
            ::_exit(126);
        ::close(ends[0]);
    };
    std::filesystem::remove_all(dest / "JPG");
    result = kestrelImport({card.path()}, closed);
    EXPECT_EQ(result.exitCode, 141);
    EXPECT_THAT(result.err, StartsWith("copying of 3 files stopped: "));

    result = kestrelImport({card.path()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(readFile(copyOf("2.MOV")), big);
    EXPECT_EQ(readFile(copyOf("3.JPG")), "last");
}

TEST_F(CliTest, ManyFilesWithFewOpenFilesAllowed) {
    for (int i = 0; i < 300; ++i)
        photo("DCIM/" + std::to_string(i) + ".JPG", std::to_string(i));
    ProcessOptions few;
    few.openFilesLimit = 16;
    const ProcessResult result = kestrelImport({card.path()}, few);
    EXPECT_THAT(result.err, StartsWith("copying of 300 files finished.\n"));
    for (int i = 0; i < 300; ++i) // each in its own line, from batches of two files
        EXPECT_THAT(result.out, HasSubstr(card / ("DCIM/" + std::to_string(i) + ".JPG") + " -> " +
                                          copyOf(std::to_string(i) + ".JPG") + " true\n"));
    EXPECT_EQ(readFile(copyOf("299.JPG")), "299");
}

// A camera's port in place of SOURCE: Directory Browse serves card at disk:CARD.
TEST_F(CliTest, DevicesAreListedAndImportedLikeACard) {
    photo("DCIM/IMG_1.JPG", "one");
    const std::string port = "disk:" + card.path();
    const std::tuple<std::vector<std::string>, int, std::string, std::string> cases[] = {
        {{"--list-devices"}, 0, "", "no camera or phone is connected\n"},
        {{"--list-devices", "--device", port},
         0,
         port + "\tDirectory Browse\tDirectory Driver\n",
         ""},
        {{"--device", "disk:" + (card / "none")}, 1, "", "there is no folder " + (card / "none")},
        {{"--device", port, "--jpg-dest", card / "DCIM"}, 2, "", "is on the card being imported"},
        {{"--device", port},
         0,
         port + "/DCIM/IMG_1.JPG -> " + copyOf("IMG_1.JPG") + " true",
         "they may be deleted from the camera or phone"},
    };
    for (const auto& [args, status, out, err] : cases) {
        SCOPED_TRACE(args.back());
        const ProcessResult result = kestrelImport(args);
        EXPECT_EQ(result.exitCode, status) << result.err;
        EXPECT_THAT(result.out, HasSubstr(out));
        EXPECT_THAT(result.err, HasSubstr(err));
    }
    EXPECT_EQ(readFile(copyOf("IMG_1.JPG")), "one");
    EXPECT_EQ(kestrelImport({"--device", port}).exitCode, 0); // already there
}

// A camera the file manager holds: the run says what to close, and fails as any unread one.
TEST_F(CliTest, AHeldCameraSaysWhatToClose) {
    RecordingSink sink;
    std::ostringstream log;
    CopyHandler handler(sink, log);
    faults::failNext(faults::Call::DeviceOpen, GP_ERROR_IO_USB_CLAIM);
    handler.importDevice("disk:" + card.path());
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* stream = ::open_memstream(&text, &size);
    cli::printLeftBehind(stream, handler.summary());
    std::fclose(stream);
    EXPECT_THAT(text, HasSubstr("\nkestrel-import: close the file manager window that shows the "
                                "camera or phone, or unmount it there, then try again\n"));
    std::free(text);
    EXPECT_EQ(cli::exitStatus(handler.summary()), 1);
}

// Patterns are stored settings, the job is this run's only; a dry run says where each file
// would go (as the run then puts it) and writes nothing at all; off gives the date folders.
TEST_F(CliTest, AJobsNamesAndADryRun) {
    const std::string a = photo("DCIM/A.JPG", "a"), b = photo("DCIM/B.JPG", "b");
    const std::string cr3 = photo("DCIM/C.CR3", "c"), to = dest / "2016/w/w_";
    EXPECT_EQ(kestrelImport({"--rename", "{job}_{seq:2}{ext}", "--folders-pattern",
                             "{taken:%Y}/{job}", "--job", "x"})
                  .exitCode,
              0);
    EXPECT_THAT(kestrelImport({"--show"}).out,
                HasSubstr("kestrelNamePattern={job}_{seq:2}{ext}\nkestrelFolderPattern={taken:%Y}/"
                          "{job}\nkestrelJob=<nil>\n"));
    const std::string prefs = readFile(sandbox.preferencesFile());
    const ProcessResult dry =
        kestrelImport({"--dry-run", "--job", "w", "--jpg", "off", card.path()});
    EXPECT_THAT(dry.out, HasSubstr(a + ": not imported with the current options (the JPG group "
                                       "is switched off)\n"));
    EXPECT_THAT(dry.out, testing::EndsWith("\n0 to copy, 0 already there, 3 left\n"));
    EXPECT_EQ(kestrelImport({"--dry-run", "--job", "w", card.path()}).out,
              a + " -> " + to + "01.JPG\n" + b + " -> " + to + "02.JPG\n" + cr3 +
                  ": not imported with the current options (kestrel does not import .CR3 "
                  "files)\n2 to copy, 0 already there, 1 left\n");
    EXPECT_EQ(readFile(sandbox.preferencesFile()), prefs);
    EXPECT_EQ(listTree(dest.path()), std::vector<std::string>{});
    EXPECT_EQ(listTree(card.path()),
              std::vector<std::string>({"DCIM/", "DCIM/A.JPG", "DCIM/B.JPG", "DCIM/C.CR3"}));
    EXPECT_FALSE(std::filesystem::exists(sandbox.reportsFolder()));
    EXPECT_EQ(kestrelImport({"--job", "w", card.path()}).exitCode, 1);
    EXPECT_EQ(readFile(to + "02.JPG"), "b");
    const ProcessResult bad = kestrelImport({"--rename", "{name}_{jbo}{ext}", card.path()});
    EXPECT_EQ(bad.err, "kestrel-import: the name pattern cannot be used: unknown field {jbo} at "
                       "character 8\n");
    EXPECT_EQ(readFile(sandbox.preferencesFile()), prefs);
    EXPECT_EQ(kestrelImport({"--rename", "off", "--folders-pattern", "off", card.path()}).exitCode,
              1);
    EXPECT_EQ(readFile(copyOf("A.JPG")), "a");
    EXPECT_THAT(kestrelImport({"--dry-run", card.path()}).out,
                HasSubstr(b + ": already at its destination\n"));
}

} // namespace
} // namespace kestrel::test
