#include "run/JobSurvey.h"

#include "run/JobPlan.h"
#include "run/RecordedCopies.h"
#include "run/RunRecords.h"

namespace kestrel {

void placeByJob(std::vector<SurveyedFile>& files, const std::string& card,
                const ImportOptions& options, const std::function<bool()>& stop) {
    if (options.namePattern.empty() && options.folderPattern.empty())
        return;
    if (!jobRefusal(options, false).empty())
        return;
    JobPlan plan(options);
    FileList entries;
    std::vector<SurveyedFile*> picked;
    for (SurveyedFile& file : files)
        if (file.fields && !file.destination.empty()) {
            entries.emplace_back(*file.fields);
            picked.push_back(&file);
        }

    RunRecords histories;
    RecordedCopies recorded(histories);
    bool stopped = false;
    plan.recordedName = [&](const FileFields& f) -> std::optional<RecordedCopy> {
        stopped = stopped || (stop && stop());
        return stopped ? std::nullopt : recorded.find(f);
    };
    const JobPlan::Source source{card.substr(card.rfind('/') + 1), {}};
    const JobPlan::Placed placed = plan.place(entries, source, {}, false);
    // No numbers could be read: the import would refuse to start, so there is no place.
    if (stopped || placed.places.size() != entries.size())
        return;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const FilePlace& place = placed.places[i];
        std::string below;
        for (const std::string& folder : place.folders)
            below.append(folder).push_back('/');
        below += place.name;
        picked[i]->destination = entries[i].fields().destRoot + "/" + below;
        picked[i]->placed = std::move(below);
    }
}

} // namespace kestrel
