#pragma once

#include <cstdint>
#include <string>

namespace kestrel {

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
    // The run is over; notCopied of the counted files were not copied. The text to show is
    // finishedMessage(count given to setBar, notCopied).
    virtual void sayFinished(std::int32_t notCopied) = 0;
};

// "copying of N files finished.", followed by " F not copied." when F is not 0.
std::string finishedMessage(std::int32_t filesToCopy, std::int32_t notCopied);

} // namespace kestrel
