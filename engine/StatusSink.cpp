#include "StatusSink.h"

namespace kestrel {

std::string finishedMessage(std::int32_t filesToCopy, std::int32_t notCopied) {
    std::string message = "copying of " + std::to_string(filesToCopy) + " files finished.";
    if (notCopied != 0)
        message += " " + std::to_string(notCopied) + " not copied.";
    return message;
}

} // namespace kestrel
