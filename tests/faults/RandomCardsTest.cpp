// Fifty seeded random cards, each imported and compared with a model of the run written
// here from the filing rules: the exact log, the status calls, and the destination tree
// byte for byte. Odd names (spaces, non-ASCII, bytes that are not UTF-8), deep trees,
// duplicate names, folders named like photos, files of tricky sizes, random options, time
// zones and modification times, and files or folders already in the way.

#include "FaultHarness.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <iostream>
#include <random>
#include <string_view>

namespace kestrel::faults {
namespace {

constexpr int kCards = 50;
constexpr int kBigCard = 17; // the one card with a 64 MiB clip

// One item of a generated card, relative to the card.
struct Item {
    std::string path;
    bool folder = false;
    std::string data;
    std::int64_t mtimeSec = 0;
    std::int64_t mtimeNsec = 0;
    unsigned mode = 0644;
};

struct CardOptions {
    std::string tz;
    bool jpg = true;
    bool raw = true;
    bool year = true;
    bool month = true;
    bool day = true;
    bool modDate = false;
    std::string jpgRoot;
    std::string rawRoot;
    bool viaCommand = false; // run kestrel-import instead of a CopyHandler here
    bool twice = false;      // import the card a second time
};

const char* flag(bool on) {
    return on ? "1" : "0";
}

class Generator {
  public:
    explicit Generator(int seed) : random_(0x6b657374u * 1000003u + static_cast<unsigned>(seed)) {}

    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    bool chance(int percent) { return static_cast<int>(below(100)) < percent; }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& choices) {
        return choices[below(N)];
    }

    std::string stem() {
        static constexpr std::array<std::string_view, 22> stems{"IMG_0001",
                                                                "DSC 0042",
                                                                "\xc3\x9cn\xc3\xaf"
                                                                "c\xc3\xb8"
                                                                "d\xc3\xa9",
                                                                "\xe5\x86\x99\xe7\x9c\x9f",
                                                                "caf\xe9",
                                                                "\xff\xfe\xfd",
                                                                "a\tb",
                                                                "x'y\"z",
                                                                "-dash",
                                                                "._IMG_7",
                                                                ".hidden",
                                                                "  spaced  ",
                                                                "100CANON",
                                                                "notes",
                                                                "semi;colon",
                                                                "back\\slash",
                                                                "#hash%",
                                                                "emoji \xf0\x9f\x93\xb7",
                                                                "a b c",
                                                                "\xc3\x85\xc3\x84\xc3\x96",
                                                                "\x80\x81",
                                                                "~tmp"};
        std::string name(pick(stems));
        if (chance(60))
            name += "_" + std::to_string(below(1000));
        return name;
    }

    std::string suffix() {
        static constexpr std::array<std::string_view, 26> suffixes{
            ".JPG",  ".jpg", ".MOV",  ".mov", ".RAF", ".raf", ".CR2",     ".cr2", ".NEF",
            ".nef",  ".DNG", ".dng",  ".TIF", ".tif", "jpg",  "MOV",      ".JPG", ".NEF",
            ".jpeg", ".Jpg", ".tiff", ".txt", ".THM", "",     ".JPG.txt", ".xmp"};
        return std::string(pick(suffixes));
    }

    std::size_t size() {
        static constexpr std::array<std::size_t, 5> edges{0, 1, 4095, 4096, 4097};
        const auto roll = below(100);
        if (roll < 40)
            return pick(edges);
        if (roll < 85)
            return 2 + below(20000);
        return 20000 + below(280000);
    }

    // A modification time between 2001 and 2030; now and then right at a local midnight.
    std::pair<std::int64_t, std::int64_t> mtime() {
        std::int64_t sec = 978307200 + static_cast<std::int64_t>(below(915148800));
        if (chance(25)) {
            const std::time_t when = sec;
            std::tm tm{};
            ::localtime_r(&when, &tm);
            tm.tm_hour = 0;
            tm.tm_min = 0;
            tm.tm_sec = 0;
            tm.tm_isdst = -1;
            static constexpr std::array<int, 5> offsets{0, -1, 1, 1800, -1800};
            sec = static_cast<std::int64_t>(std::mktime(&tm)) + pick(offsets);
        }
        return {sec, static_cast<std::int64_t>(below(1000000000))};
    }

  private:
    std::mt19937_64 random_;
};

// The filing rules, as this test reads them.
struct Row {
    std::array<std::string_view, 6> endings;
    const char* tag;
    bool rawGroup;
};
constexpr std::array<Row, 3> kRows{{
    {{"jpg", "JPG", "mov", "MOV"}, "JPG", false},
    {{"raf", "RAF", "cr2", "CR2", "nef", "NEF"}, "RAW", true},
    {{"dng", "DNG", "tif", "TIF"}, "DNG", true},
}};

const Row* rowOf(const std::string& path) {
    for (const Row& row : kRows)
        for (std::string_view ending : row.endings)
            if (!ending.empty() && path.ends_with(ending))
                return &row;
    return nullptr;
}

// "/a//b/" → "/a/b": the item a path names.
std::string normal(const std::string& path) {
    std::string result;
    for (char c : path)
        if (c != '/' || result.empty() || result.back() != '/')
            result += c;
    while (result.size() > 1 && result.back() == '/')
        result.pop_back();
    return result;
}

std::string parentOf(const std::string& path) {
    return path.substr(0, path.rfind('/'));
}

// What the file system holds as the model sees it: kind by normal path.
using State = std::map<std::string, char>;

// The run as the model predicts it.
struct Prediction {
    std::string log;
    std::vector<std::string> calls;
    int notCopied = 0;
    int entries = 0;
};

class RandomCard : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        seed = GetParam();
        Generator g(seed);
        static constexpr std::array<const char*, 5> zones{"UTC0", "CET-1CEST,M3.5.0,M10.5.0/3",
                                                          "NZST-12NZDT,M9.5.0,M4.1.0/3",
                                                          "EST5EDT,M3.2.0,M11.1.0", "<+0530>-5:30"};
        options.tz = g.pick(zones);
        zone = std::make_unique<TimeZone>(options.tz);
        options.jpg = g.chance(90);
        options.raw = g.chance(85);
        const auto levels = g.below(8);
        options.year = levels & 1;
        options.month = levels & 2;
        options.day = levels & 4;
        options.modDate = g.chance(50);
        static constexpr std::array<const char*, 3> rootNames{"pictures", "Bilder \xc3\xbc",
                                                              "my photos"};
        ASSERT_EQ(::mkdir(destBase.c_str(), 0755), 0);
        ASSERT_EQ(::mkdir(card.c_str(), 0755), 0);
        // Every fourth card sits on a file system of its own, as a memory card does, so the
        // data crosses file systems; where mounting is refused it stays where it is.
        if (seed % 4 == 2)
            cardMount = std::make_unique<TmpfsMount>(card, 64 << 20);
        const std::string jpgFolder = destBase + "/" + g.pick(rootNames);
        const std::string rawFolder = g.chance(35) ? jpgFolder : destBase + "/raw";
        ::mkdir(jpgFolder.c_str(), 0755);
        ::mkdir(rawFolder.c_str(), 0755);
        // A root that ends in "/" gives "//" in every path below it.
        options.jpgRoot = jpgFolder + (g.chance(15) ? "/" : "");
        options.rawRoot = rawFolder + (g.chance(15) ? "/" : "");
        options.viaCommand = seed % 5 == 1;
        options.twice = seed % 10 == 4;

        generateCard(g);
        writeCard();
        placeObstacles(g);

        prefs.set({{"kestrelJPG", flag(options.jpg)},
                   {"kestrelRAW", flag(options.raw)},
                   {"kestrelJPGYear", flag(options.year)},
                   {"kestrelJPGMonth", flag(options.month)},
                   {"kestrelJPGDay", flag(options.day)},
                   {"kestrelRAWYear", flag(!options.year)},
                   {"kestrelRAWMonth", flag(!options.month)},
                   {"kestrelRAWDay", flag(!options.day)},
                   {"kestrelModDate", flag(options.modDate)},
                   {"kestrelImportPath", options.jpgRoot},
                   {"kestrelImportPathRAW", options.rawRoot}});
    }

    void generateCard(Generator& g) {
        std::vector<std::string> folders{""};
        std::map<std::string, int> depth{{"", 0}};
        const auto addFolder = [&](const std::string parent, const std::string& name) {
            const std::string path = parent.empty() ? name : parent + "/" + name;
            if (taken(path))
                return;
            Item folder;
            folder.path = path;
            folder.folder = true;
            items.push_back(folder);
            folders.push_back(path);
            depth[path] = depth[parent] + 1;
        };
        const std::size_t folderCount = 1 + g.below(6);
        for (std::size_t i = 0; i < folderCount; ++i) {
            const std::string parent = folders[g.below(folders.size())];
            if (depth[parent] < 6)
                addFolder(parent, g.stem() + (g.chance(15) ? g.suffix() : ""));
        }
        if (seed % 10 == 3) { // a deep tree
            std::string parent = folders.back();
            const std::size_t levels = 10 + g.below(5);
            for (std::size_t i = 0; i < levels; ++i) {
                addFolder(parent, "d" + std::to_string(i) + (i % 4 == 3 ? ".JPG" : ""));
                parent = folders.back();
            }
        }

        const std::size_t fileCount = 4 + g.below(30);
        std::vector<std::size_t> files;
        for (std::size_t i = 0; i < fileCount; ++i) {
            const std::string& folder = folders[g.below(folders.size())];
            Item item;
            std::string name = g.stem() + g.suffix();
            const auto [sec, nsec] = g.mtime();
            item.mtimeSec = sec;
            item.mtimeNsec = nsec;
            if (!files.empty() && g.chance(15)) {
                // The same name (and date) as a file in another folder: the same destination.
                const Item& twin = items[files[g.below(files.size())]];
                name = twin.path.substr(twin.path.rfind('/') + 1);
                item.mtimeSec = twin.mtimeSec;
            }
            item.path = folder.empty() ? name : folder + "/" + name;
            if (name.empty() || taken(item.path))
                continue;
            static constexpr std::array<unsigned, 5> modes{0644, 0600, 0444, 0755, 0640};
            item.mode = g.pick(modes);
            item.data = noise(g.size(), static_cast<std::uint64_t>(seed) * 1000 + i);
            files.push_back(items.size());
            items.push_back(std::move(item));
        }
        if (seed == kBigCard) {
            Item big;
            big.path = folders.back() + (folders.back().empty() ? "" : "/") + "BIG CLIP.MOV";
            big.data = noise(64 << 20, 64);
            big.mtimeSec = 1457344800;
            big.mode = 0644;
            if (!taken(big.path))
                items.push_back(std::move(big));
        }
    }

    bool taken(const std::string& path) const {
        for (const Item& item : items)
            if (item.path == path)
                return true;
        return false;
    }

    void writeCard() {
        for (const Item& item : items)
            if (item.folder)
                ASSERT_EQ(::mkdir((card + "/" + item.path).c_str(), 0755), 0) << item.path;
            else
                makeFile(card + "/" + item.path, item.data, item.mtimeSec, item.mtimeNsec,
                         item.mode);
    }

    // The date fields an item is filed under, read from the file system as it is now.
    std::vector<std::string> dateOf(const std::string& path) const {
        struct statx st {};
        EXPECT_EQ(
            ::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_MTIME | STATX_BTIME, &st),
            0);
        const bool birth = !options.modDate && (st.stx_mask & STATX_BTIME);
        const std::time_t when = birth ? st.stx_btime.tv_sec : st.stx_mtime.tv_sec;
        const std::vector<std::string> fields = ymd(when);
        std::vector<std::string> levels;
        if (options.year)
            levels.push_back(fields[0]);
        if (options.month)
            levels.push_back(fields[1]);
        if (options.day)
            levels.push_back(fields[2]);
        return levels;
    }

    // The items of the card in the order the run visits them: a folder before its
    // contents, siblings in byte order of their names.
    std::vector<const Item*> walkOrder() const {
        std::map<std::string, std::vector<const Item*>> children;
        for (const Item& item : items)
            children[item.path.find('/') == std::string::npos ? "" : parentOf(item.path)].push_back(
                &item);
        std::vector<const Item*> order;
        const auto visit = [&](const auto& self, const std::string& folder) -> void {
            auto list = children[folder];
            std::sort(list.begin(), list.end(), [](const Item* a, const Item* b) {
                return a->path.substr(a->path.rfind('/') + 1) <
                       b->path.substr(b->path.rfind('/') + 1);
            });
            for (const Item* item : list) {
                order.push_back(item);
                if (item->folder)
                    self(self, item->path);
            }
        };
        visit(visit, "");
        return order;
    }

    // One planned copy: the source item, its tag, its destination folders (one path per
    // level, tag folder first) and its destination path.
    struct Planned {
        const Item* item;
        std::string tag;
        std::vector<std::string> folders;
        std::string destPath;
    };

    std::vector<Planned> plan() const {
        std::vector<Planned> planned;
        for (const Item* item : walkOrder()) {
            const Row* row = rowOf(item->path);
            if (row == nullptr || !(row->rawGroup ? options.raw : options.jpg))
                continue;
            Planned p{item, row->tag, {}, {}};
            std::string folder =
                (row->rawGroup ? options.rawRoot : options.jpgRoot) + "/" + row->tag + "/";
            p.folders.push_back(folder);
            for (const std::string& level : dateOf(card + "/" + item->path)) {
                folder += level + "/";
                p.folders.push_back(folder);
            }
            p.destPath = folder + item->path.substr(item->path.rfind('/') + 1);
            planned.push_back(std::move(p));
        }
        return planned;
    }

    // Now and then something is already where the run will write: a file under a photo's
    // destination name, or a file where a date folder should be made.
    void placeObstacles(Generator& g) {
        state[normal(destBase)] = 'd';
        state[normal(options.jpgRoot)] = 'd';
        state[normal(options.rawRoot)] = 'd';
        const auto planned = plan();
        if (planned.empty() || !g.chance(35))
            return;
        const Planned& victim = planned[g.below(planned.size())];
        std::string target = victim.destPath;
        if (victim.folders.size() > 1 && g.chance(40))
            target = victim.folders[1 + g.below(victim.folders.size() - 1)];
        target = normal(target);
        std::vector<std::string> missing;
        for (std::string folder = parentOf(target); !state.count(folder); folder = parentOf(folder))
            missing.insert(missing.begin(), folder);
        for (const std::string& folder : missing) {
            ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0) << folder;
            state[folder] = 'd';
        }
        makeFile(target, "already here " + std::to_string(seed), 1000000000, 0, 0644);
        state[target] = 'f';
        obstacles[target] = fileNode("already here " + std::to_string(seed), 1000000000, 0, 0644);
    }

    // Plays one run against the model's state: the log, the status calls and the copies.
    Prediction predict() {
        const auto planned = plan();
        Prediction p;
        p.entries = static_cast<int>(planned.size());
        const std::string n = std::to_string(planned.size());
        p.log = card + "/\n";
        p.log += "Ende: " + n + " Dateien gefunden und in Datei-Array geschrieben.\n";
        p.calls = {"sayNothing", "setBar " + n};
        int k = 0;
        for (const Planned& entry : planned) {
            ++k;
            for (const std::string& folder : entry.folders) {
                p.log += "path: " + folder + "\n";
                const std::string at = normal(folder);
                const auto parent = state.find(parentOf(at));
                if (parent != state.end() && parent->second == 'd' && !state.count(at)) {
                    p.log += "makeFolder: " + folder + "\n";
                    state[at] = 'd';
                }
            }
            const std::string name = entry.item->path.substr(entry.item->path.rfind('/') + 1);
            p.calls.push_back("setBarInc " + std::to_string(k) + " of " + n + " (" + name + ")");
            p.calls.push_back("stopBar");
            const std::string at = normal(entry.destPath);
            const auto folder = state.find(parentOf(at));
            const bool copied = !entry.item->folder && !state.count(at) && folder != state.end() &&
                                folder->second == 'd';
            if (copied) {
                state[at] = 'f';
                copies[at] = entry.item;
            } else {
                p.log += "copy-error\n";
                ++p.notCopied;
            }
            p.log += card + "/" + entry.item->path + " -> " + entry.destPath +
                     (copied ? " true\n" : " false\n");
        }
        p.calls.push_back("sayFinished " + std::to_string(p.notCopied));
        return p;
    }

    // The destination as the model's state describes it.
    Tree expectedDestination() const {
        Tree tree;
        for (const auto& [path, kind] : state)
            if (path.starts_with(destBase + "/") && kind == 'd')
                tree[path] = folderNode();
        for (const auto& [path, node] : obstacles)
            tree[path] = node;
        for (const auto& [path, item] : copies)
            tree[path] = fileNode(item->data, item->mtimeSec, item->mtimeNsec, item->mode);
        return tree;
    }

    // Runs the import once, through kestrel-import or a CopyHandler, and checks it all.
    void importAndCheck(const Tree& sources) {
        const Prediction expected = predict();
        std::string out;
        if (options.viaCommand) {
            const ChildResult result = runChild({test::kestrelImport(), card});
            out = result.out;
            EXPECT_EQ(result.err, finalMessage(expected.entries, expected.notCopied) + "\n");
            EXPECT_EQ(result.exitCode, expected.notCopied == 0 ? 0 : 1);
        } else {
            InProcessRun run;
            const RunResult result = run.run(card);
            out = result.out;
            EXPECT_EQ(result.calls, expected.calls);
            EXPECT_EQ(result.notCopied, expected.notCopied);
        }
        std::size_t largest = 0;
        for (const auto& [path, item] : copies)
            largest = std::max(largest, item->data.size());
        std::cout << "seed " << seed << ": " << items.size() << " items, " << expected.entries
                  << " entries, " << expected.notCopied << " not copied, largest copy " << largest
                  << " bytes, " << obstacles.size() << " obstacle(s), TZ " << options.tz
                  << (options.viaCommand ? ", command" : "")
                  << (cardMount && cardMount->mounted() ? ", card on tmpfs" : "") << "\n";
        expectSameLines(out, expected.log);
        expectTree(snapshot(card), sources, "card");
        expectTrueMeansComplete(out, sources, destBase);
        expectTree(snapshot(destBase), expectedDestination(), "destination");
        EXPECT_EQ(tempFilesBelow(destBase), std::vector<std::string>{});
    }

    test::PreferencesSandbox prefs;
    test::TempDir root;
    const std::string card = root / "card";
    const std::string destBase = root / "dest";
    int seed = 0;
    CardOptions options;
    std::unique_ptr<TimeZone> zone;
    std::unique_ptr<TmpfsMount> cardMount;
    std::vector<Item> items;
    State state;
    Tree obstacles;
    std::map<std::string, const Item*> copies;
};

TEST_P(RandomCard, ImportMatchesTheModel) {
    SCOPED_TRACE("seed " + std::to_string(seed) + ", TZ " + options.tz + ", " +
                 std::to_string(items.size()) + " items");
    const Tree sources = snapshot(card);
    importAndCheck(sources);
    if (options.twice)
        importAndCheck(sources); // a re-import copies nothing and changes nothing
}

INSTANTIATE_TEST_SUITE_P(Seeded, RandomCard, ::testing::Range(0, kCards));

} // namespace
} // namespace kestrel::faults
