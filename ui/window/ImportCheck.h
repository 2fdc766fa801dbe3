#pragma once

#include <QStringList>

class QSettings;

namespace kestrel {

// Why an import of source into the stored destinations would leave files behind, in
// words for the window: a source that is missing or not a folder, a destination of an
// imported group that is not chosen, not a folder or not writable. Empty when none is seen.
// Without folder, source is a camera's port and only the destinations are checked.
QStringList importProblems(const QString& source, const QSettings& prefs, bool folder = true);

} // namespace kestrel
