// Name and folder patterns, the groups of card files that share a name, and the job sequence
// kept at the destination.
#include "TestSupport.h"
#include "base/FaultPoints.h"
#include "plan/JobSequence.h"
#include "plan/NameGroups.h"
#include "plan/NamePattern.h"

#include <QString>
#include <gtest/gtest.h>

#include <fcntl.h>

#include <algorithm>
#include <thread>

namespace kestrel::test {
namespace {

using Kind = NamePattern::Kind;
constexpr Kind F = Kind::FileName, D = Kind::Folders;

// The names a pattern gives, joined by "/".
std::string rendered(Kind kind, const std::string& text, const NameValues& values, bool fat) {
    std::string path;
    for (const std::string& name : NamePattern::parse(text, kind).pattern->render(values, fat))
        path += (path.empty() ? "" : "/") + name;
    return path;
}

TEST(PlanTest, PatternsRenderOrAreRefused) {
    NameValues values{"IMG_0001", ".JPG", {}, 42, "Wedding", "", "EOS_DIGITAL", "JPG"};
    ::strptime("2016-03-07 10:05:09", "%Y-%m-%d %H:%M:%S", &values.taken);
    const std::tuple<Kind, std::string, bool, std::string> cases[] = {
        {F, "{name}{ext}", false, "IMG_0001.JPG"},
        {F, "{taken:%Y%m%d-%H%M%S}_{seq:4}{ext:lower}", false, "20160307-100509_0042.jpg"},
        {F, "{job} {{{seq}}}{ext}", false, "Wedding {42}.JPG"},
        {F, "{camera}-{card}-{seq:1}{ext}", false, "camera-EOS_DIGITAL-42.JPG"},
        {F, "{taken:%H:%M} {name}{ext}", true, "10_05 IMG_0001.JPG"},
        {D, "{tag}/{taken:%Y}/{taken:%Y-%m-%d} {job}", false, "JPG/2016/2016-03-07 Wedding"},
        {D, "a:b/{job}?. ", false, "a:b/Wedding?. "},
        {D, "a:b/{job}?. ", true, "a_b/Wedding_"},
        {D, ".hidden/é{job}", false, "_hidden/éWedding"},
        {F, "{name}" + std::string(300, '-') + "{ext}", false,
         "IMG_0001" + std::string(243, '-') + ".JPG"},
    };
    for (const auto& [kind, text, fat, expected] : cases)
        EXPECT_EQ(rendered(kind, text, values, fat), expected) << text;
    const std::tuple<Kind, const char*, const char*, int> refused[] = {
        {F, "", "the pattern is empty", 0},
        {F, "{name}é{jbo}{ext}", "unknown field {jbo}", 8},
        {D, "{tag}/{taken:%Y", "unclosed {", 7},
        {D, "x{taken}", "{taken} needs a format, e.g. {taken:%Y-%m-%d},", 2},
        {D, "{taken:%Y/%m}", "a / in {taken:%Y/%m} makes no folder", 1},
        {F, "{seq:0}{ext}", "{seq:0} needs a width of 1 to 9 digits", 1},
        {F, "{name}}{ext}", "a } with no { (write }} for a } of its own)", 7},
        {F, "a/{name}{ext}", "a file name cannot hold /", 2},
        {F, "{name:x}{ext}", "{name} takes no option, not {name:x}", 1},
        {F, "{job}{ext}", "a file name pattern needs {name} or {seq}, so that each file", 0},
        {F, "{name}", "a file name pattern must end with {ext}, so that each copy keeps", 0},
        {D, "a//b", "an empty folder name", 3},
        {D, "x/../{job}", "a folder cannot be named ..,", 3},
    };
    for (const auto& [kind, text, error, position] : refused) {
        const auto parsed = NamePattern::parse(text, kind);
        EXPECT_TRUE(!parsed.pattern && parsed.error.starts_with(error)) << parsed.error;
        EXPECT_EQ(parsed.position, position) << text;
        EXPECT_EQ(parsed.error.ends_with(" at character " + std::to_string(position)),
                  position > 0);
    }
}

TEST(PlanTest, HostileValuesStayBelowTheRoot) {
    const std::string utf8 = QString(150, QChar(0xE9)).toStdString(); // 300 bytes
    const std::string hostile[] = {"../../etc", "a/b", {"\0x", 2}, std::string(300, 'x'), utf8,
                                   ".",         "..",  "",         " .\\:*?\"<>|. "};
    for (const std::string& value : hostile)
        for (const bool fat : {false, true}) {
            const NameValues values{value, value, {}, 1, value, value, value, value};
            auto names = NamePattern::parse("{job}/{card}/{camera}/{tag}/{name}", D)
                             .pattern->render(values, fat);
            names.push_back(NamePattern::parse("{name}{ext}", F).pattern->render(values, fat)[0]);
            for (const std::string& name : names) {
                SCOPED_TRACE(name); // 0xC3: a cut "é"
                EXPECT_TRUE(!name.empty() && name.size() <= 255 && name[0] != '.' &&
                            name.find('\0') == std::string::npos && uint8_t(name.back()) != 0xC3);
                EXPECT_TRUE(!fat || (name.find_first_of("\\:*?\"<>|") == std::string::npos &&
                                     name.back() != '.' && name.back() != ' '));
            }
        }
}

TEST(PlanTest, PairsShareANameInCardOrder) {
    const std::vector<std::string> paths = {"D/101/A_2.JPG", "D/100/A_1.CR2", "D/100/A_1.JPG",
                                            "D/100/A_1.jpg", "D/100/A_1.THM", "D/100/A_2.JPG",
                                            "D/101/A_1.WAV", "README"};
    std::string groups;
    for (const auto& group : nameGroups(paths)) {
        for (const std::size_t index : group)
            groups += paths[index] + " ";
        groups += "| ";
    }
    EXPECT_EQ(groups, "README | D/100/A_1.CR2 D/100/A_1.JPG D/100/A_1.THM | D/100/A_1.jpg | "
                      "D/100/A_2.JPG | D/101/A_1.WAV | D/101/A_2.JPG | ");
}

class SequenceTest : public ::testing::Test {
  protected:
    std::uint64_t first(const std::string& job, std::uint64_t count) {
        const auto reserved = JobSequence(root.get(), job).reserve(count);
        EXPECT_EQ(reserved.error, "");
        return reserved.first;
    }
    TempDir dest;
    std::string file = dest / ".kestrel/sequence";
    Fd root{::open(dest.path().c_str(), O_RDONLY | O_DIRECTORY)};
};

TEST_F(SequenceTest, GoesOnAcrossRunsAndFailures) {
    JobSequence wedding(root.get(), "We\tdding%\n");
    EXPECT_EQ(wedding.reserve(3).first, 1u);
    EXPECT_EQ(wedding.reserve(2).first, 4u);
    EXPECT_EQ(first("x", 1), 1u);
    faults::failNext(faults::Call::Fsync, EIO);
    EXPECT_NE(wedding.reserve(5).error, "");
    EXPECT_EQ(first("We\tdding%\n", 1), 6u);
    EXPECT_EQ(readFile(file), "kestrel job sequences 1\nWe%09dding%25%0A\t6\nx\t1\n");
}

TEST_F(SequenceTest, TwoRunsAtOnceNeverShareANumber) {
    std::vector<std::uint64_t> taken[2];
    const auto run = [&](int which) {
        for (int i = 0; i < 50; ++i)
            taken[which].push_back(first("job", 2));
    };
    std::thread other(run, 1);
    run(0);
    other.join();
    taken[0].insert(taken[0].end(), taken[1].begin(), taken[1].end());
    std::sort(taken[0].begin(), taken[0].end());
    for (std::size_t i = 0; i < taken[0].size(); ++i)
        EXPECT_EQ(taken[0][i], 2 * i + 1);
}

TEST_F(SequenceTest, DamagedOrLinkedNeverStartsAgain) {
    const std::pair<const char*, int> damaged[] = {
        {"", 1},
        {"kestrel job sequences 1\nx\t5", 2},
        {"kestrel job sequences 1\nx\t5\nx\t6\n", 3},
        {"kestrel job sequences 1\nx\tfive\n", 2},
        {"kestrel job sequences 1\n%zz\t5\n", 2},
        {"kestrel job sequences 1\nx\t99999999999999999999\n", 2}};
    for (const auto& [text, line] : damaged) {
        writeFile(file, text);
        const std::string error = JobSequence(root.get(), "x").reserve(1).error;
        EXPECT_NE(error.find("damaged at line " + std::to_string(line) + ";"), std::string::npos);
        EXPECT_EQ(readFile(file), text);
    }
    ASSERT_EQ(::rename((dest / ".kestrel").c_str(), (dest / "real").c_str()), 0);
    ASSERT_EQ(::symlink("real", (dest / ".kestrel").c_str()), 0);
    EXPECT_NE(JobSequence(root.get(), "x").reserve(1).error.find("symbolic link"),
              std::string::npos);
}

} // namespace
} // namespace kestrel::test
