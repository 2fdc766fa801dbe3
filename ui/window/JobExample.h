#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace kestrel {

struct ImportOptions;

// A job's patterns as the preferences hold them or the sheet shows them; a pattern that is
// empty is off.
struct JobPatterns {
    QString names;   // off: names as on the card
    QString folders; // off: the tag and date folders of the options
    QString job;
};

// The text stored under key, "<nil>" read as empty.
QString storedText(const QSettings& preferences, const char* key);

// The stored patterns of preferences, "<nil>" read as off.
JobPatterns storedPatterns(const QSettings& preferences);

// What one photo of a card and its RAW twin become under patterns, or why a pattern cannot
// be used.
struct JobExample {
    QStringList lines;     // "DCIM/100CANON/IMG_0001.JPG → JPG/2026/…/IMG_0001.JPG"
    QString error;         // empty when both patterns can be used
    bool badNames = false; // which pattern error is about
    bool badFolders = false;
};

// The example of IMG_0001.JPG and IMG_0001.CR2 in DCIM/100CANON on the card EOS_DIGITAL,
// taken with a Canon EOS R5 on 8 December 2026 at 10:15, the job's first; the CR2 takes
// the JPG's values but its ending. dates gives the date folders used when the folder
// pattern is off.
JobExample jobExample(const JobPatterns& patterns, const ImportOptions& dates);

// The window's line about the job ("Job “wedding”: renamed by {seq:4}{ext}"); empty when
// both patterns are off.
QString jobSummary(const JobPatterns& patterns);

} // namespace kestrel
