#pragma once

#include "record/RunSummary.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

// What a run does when the destinations' disks cannot take every file.
enum class WhenShort { CopyNothing, CopyWhatFits };

// Where an import run shows its status: the window's status line, or the command line's
// standard error. The run calls these in the order sayNothing, setBar, then
// setBarInc + stopBar once per file, then sayFinished.
class StatusSink {
  public:
    virtual ~StatusSink() = default;

    // Busy: status "...", options hidden.
    virtual void sayNothing() = 0;
    // The scan found count files; status "...", options hidden.
    virtual void setBar(std::int32_t count) = 0;
    // Shows text ("k of N (name)") while that file is copied.
    virtual void setBarInc(const std::string& text) = 0;
    // Ends one file's progress update.
    virtual void stopBar() = 0;
    // The run is over; the text to show is finishedMessage(summary).
    virtual void sayFinished(const RunSummary& summary) = 0;

    // The scan's total size of the matched files, once, after setBar.
    virtual void setTotalBytes(std::int64_t /*bytes*/) {}
    // Bytes of the matched files dealt with so far (copied, already there or left behind).
    virtual void bytesDone(std::int64_t /*bytes*/) {}
    // Something the user must hear once about the whole run, e.g. a destination whose file
    // system cannot publish safely.
    virtual void sayWarning(const std::string& /*text*/) {}
    // Asked once, before the first copy, when a destination's disk cannot take what the run
    // would copy there; each text says where and how much ("needs 3.2 GB at /media/BACKUP,
    // 1.4 GB free").
    virtual WhenShort spaceShort(const std::vector<std::string>& /*shortfalls*/) {
        return WhenShort::CopyNothing;
    }
};

} // namespace kestrel
