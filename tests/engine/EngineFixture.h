#pragma once

#include "CopyHandler.h"
#include "Preferences.h"
#include "TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace kestrel::test {

// A card folder, a destination folder and sandboxed preferences with the window's start-up
// defaults and both destinations set.
class EngineTest : public ::testing::Test {
  protected:
    EngineTest() {
        const auto store = openPreferences();
        applyStartupDefaults(*store);
        prefs.set({{keys::ImportPath, dest.path()}, {keys::ImportPathRAW, dest.path()}});
    }

    // Runs one import of the card; returns its standard output as lines.
    std::vector<std::string> import(const std::string& source) {
        std::ostringstream out;
        CopyHandler handler(sink, out);
        handler.prepareProcessing(source);
        notCopied = handler.notCopied();
        return lines(out.str());
    }
    std::vector<std::string> importCard() { return import(card.path()); }

    PreferencesSandbox prefs;
    TempDir card;
    TempDir dest;
    RecordingSink sink;
    std::int32_t notCopied = -1;
};

} // namespace kestrel::test
