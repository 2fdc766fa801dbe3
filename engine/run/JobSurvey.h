#pragma once

#include "run/CardSurvey.h"
#include "run/ImportOptions.h"

#include <functional>
#include <string>
#include <vector>

namespace kestrel {

// With a job's patterns on, gives each picked file of a card's listing the place an import
// of the card would give it now, by the import's own plan but without taking a number: where
// its destination's record finds its bytes filed before (under whatever name), else where
// the patterns put it. Sets the file's destination and placed. card is the card's folder, as
// the import is given it. Nothing changes with the patterns off, or when they cannot be used.
// stop is asked before each file is looked up in a record; once it answers true the places
// are left as they were.
void placeByJob(std::vector<SurveyedFile>& files, const std::string& card,
                const ImportOptions& options, const std::function<bool()>& stop = {});

} // namespace kestrel
