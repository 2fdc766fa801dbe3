#pragma once

#include "record/RunSummary.h"

#include <QString>

namespace kestrel {

// The one sentence a photographer needs after an import: whether the card may be formatted,
// and what that rests on ("The card may be formatted: every photo and clip is verified at its
// destination." or "Do not format the card yet: 3 files are only on the card."). The window
// shows it and kestrel-import ends with it. For runs of the whole card, not of a selection. A
// camera's or phone's is worded for it: not formatted, its files deleted.
QString verdictSentence(const RunSummary& summary);

} // namespace kestrel
