// A run under tight process limits, with more files than one flush covers.

#include "FaultHarness.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>

namespace kestrel::faults {
namespace {

using ProcessLimits = CardTest;

// 150 files are more than the run flushes at once; with only 32 open files allowed the run
// must still copy every one of them.
TEST_F(ProcessLimits, ManyFilesAreAllCopiedWithFewOpenFilesAllowed) {
    std::vector<std::string> photos;
    for (int i = 1; i <= 150; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "DCIM/IMG_%04d.JPG", i);
        photos.push_back(photo(name, noise(static_cast<std::size_t>(i) * 37, i)));
    }
    const Tree sources = snapshot(card);

    for (const rlim_t limit : {rlim_t{32}, rlim_t{RLIM_INFINITY}}) {
        const std::string folder =
            dest + (limit == RLIM_INFINITY ? "/unlimited" : "/" + std::to_string(limit));
        SCOPED_TRACE(folder);
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        prefs.set({{"kestrelImportPath", folder}});

        ChildOptions options;
        options.argv = {test::kestrelImport(), card};
        options.openFilesLimit = limit;
        const ChildResult result = runChild(options);

        ExpectedLog log;
        log.start(card + "/");
        log.counted(150);
        Tree expected;
        for (const std::string& path : photos)
            addWithFolders(expected, folder, log.entry(path, folder, "JPG", ymd(day), true),
                           sources.at(path));
        expectSameLines(result.out, log.text);
        EXPECT_EQ(result.err, finalMessage(150, 0) + "\n");
        EXPECT_EQ(result.exitCode, 0);
        expectTree(snapshot(card), sources, "card");
        expectTree(snapshot(folder), expected, "destination");
    }
}

} // namespace
} // namespace kestrel::faults
