#include "window/JobExample.h"

#include "base/ShownText.h"

#include "plan/NamePattern.h"
#include "run/ImportOptions.h"
#include "run/JobPlan.h"
#include "run/Preferences.h"

#include <QCoreApplication>
#include <QDate>
#include <QSettings>

#include <optional>
#include <utility>

namespace kestrel {

namespace {

// A text marked with QT_TRANSLATE_NOOP, in the reader's language.
QString translated(const char* text) {
    return QCoreApplication::translate("kestrel::JobExample", text);
}

// The card's example photo, IMG_0001.JPG.
NameValues examplePhoto(const QString& job) {
    NameValues values;
    values.name = "IMG_0001";
    values.ext = ".JPG";
    values.seq = 1;
    values.job = job.toStdString();
    values.camera = "Canon EOS R5";
    values.card = "EOS_DIGITAL";
    values.tag = "JPG";
    const QDate day(2026, 12, 8);
    values.taken.tm_year = day.year() - 1900;
    values.taken.tm_mon = day.month() - 1;
    values.taken.tm_mday = day.day();
    values.taken.tm_wday = day.dayOfWeek() % 7;
    values.taken.tm_yday = day.dayOfYear() - 1;
    values.taken.tm_hour = 10;
    values.taken.tm_min = 15;
    return values;
}

// What text means as a pattern of kind; nothing when it is off, or when it cannot be one,
// with why in example.
std::optional<NamePattern> parsed(const QString& text, NamePattern::Kind kind,
                                  JobExample& example) {
    if (text.isEmpty())
        return std::nullopt;
    NamePattern::Parsed result = NamePattern::parse(text.toStdString(), kind);
    if (!result.pattern && example.error.isEmpty()) {
        const bool names = kind == NamePattern::Kind::FileName;
        (names ? example.badNames : example.badFolders) = true;
        example.error =
            (names ? QCoreApplication::translate("kestrel::JobExample", "File names: %1")
                   : QCoreApplication::translate("kestrel::JobExample", "Folders: %1"))
                .arg(shownText(result.error));
    }
    return std::move(result.pattern);
}

} // namespace

QString storedText(const QSettings& preferences, const char* key) {
    const std::string stored = getUserDefAsString(preferences, key);
    return stored == kAbsent ? QString() : QString::fromStdString(stored);
}

JobPatterns storedPatterns(const QSettings& preferences) {
    return {storedText(preferences, keys::NamePattern),
            storedText(preferences, keys::FolderPattern), storedText(preferences, keys::Job)};
}

JobExample jobExample(const JobPatterns& patterns, const ImportOptions& dates) {
    JobExample example;
    const auto names = parsed(patterns.names, NamePattern::Kind::FileName, example);
    const auto folders = parsed(patterns.folders, NamePattern::Kind::Folders, example);
    if (!example.error.isEmpty())
        return example;
    // The RAW twin takes every value from the JPG but its ending and tag, as an import does,
    // so the pair keeps one name wherever it goes.
    NameValues values = examplePhoto(patterns.job);
    for (const auto& [ext, tag] : {std::pair{".JPG", "JPG"}, {".CR2", "RAW"}}) {
        values.ext = ext;
        values.tag = tag;
        std::vector<std::string> path;
        if (folders) {
            path = folders->render(values, false);
        } else {
            FileFields fields;
            fields.fileType = tag;
            fields.year = "2026";
            fields.month = "12";
            fields.day = "08";
            path = designedPlace(fields, dates).folders;
        }
        path.push_back(names ? names->render(values, false).front() : values.name + ext);
        QStringList parts;
        for (const std::string& part : path)
            parts.append(QString::fromStdString(part));
        example.lines.append(QStringLiteral("DCIM/100CANON/IMG_0001%1 → %2")
                                 .arg(QLatin1String(ext), parts.join(u'/')));
    }
    return example;
}

QString jobSummary(const JobPatterns& patterns) {
    const bool renamed = !patterns.names.isEmpty();
    const bool filed = !patterns.folders.isEmpty();
    if (!renamed && !filed)
        return {};
    // Whole sentences, one per case, for the translators.
    static const char* const withJob[] = {
        QT_TRANSLATE_NOOP("kestrel::JobExample", "Job “%1”: renamed by %2"),
        QT_TRANSLATE_NOOP("kestrel::JobExample", "Job “%1”: filed in %2"),
        QT_TRANSLATE_NOOP("kestrel::JobExample", "Job “%1”: renamed by %2, filed in %3"),
    };
    static const char* const noJob[] = {
        QT_TRANSLATE_NOOP("kestrel::JobExample", "Renamed by %1"),
        QT_TRANSLATE_NOOP("kestrel::JobExample", "Filed in %1"),
        QT_TRANSLATE_NOOP("kestrel::JobExample", "Renamed by %1, filed in %2"),
    };
    const int which = renamed && filed ? 2 : filed ? 1 : 0;
    const QString& first = renamed ? patterns.names : patterns.folders;
    // All arguments at once, so that a % in one is never taken for a place of the next.
    if (patterns.job.isEmpty())
        return which == 2 ? translated(noJob[2]).arg(first, patterns.folders)
                          : translated(noJob[which]).arg(first);
    const QString line = translated(withJob[which]);
    return which == 2 ? line.arg(patterns.job, first, patterns.folders)
                      : line.arg(patterns.job, first);
}

} // namespace kestrel
