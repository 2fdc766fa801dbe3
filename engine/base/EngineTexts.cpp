#include "base/EngineTexts.h"

namespace kestrel::texts {

namespace {

// The system's words for the errors a copy meets most (strerror's, in English): the engine
// passes them on as the system gives them, and ShownText looks them up as they are.
[[maybe_unused]] constexpr const char* kSystemWords[] = {
    QT_TRANSLATE_NOOP("Engine", "No space left on device"),
    QT_TRANSLATE_NOOP("Engine", "Disk quota exceeded"),
    QT_TRANSLATE_NOOP("Engine", "Input/output error"),
    QT_TRANSLATE_NOOP("Engine", "Permission denied"),
    QT_TRANSLATE_NOOP("Engine", "Operation not permitted"),
    QT_TRANSLATE_NOOP("Engine", "No such file or directory"),
    QT_TRANSLATE_NOOP("Engine", "Not a directory"),
    QT_TRANSLATE_NOOP("Engine", "Read-only file system"),
    QT_TRANSLATE_NOOP("Engine", "File name too long"),
    QT_TRANSLATE_NOOP("Engine", "File exists"),
    QT_TRANSLATE_NOOP("Engine", "Too many levels of symbolic links"),
    QT_TRANSLATE_NOOP("Engine", "Device or resource busy"),
    QT_TRANSLATE_NOOP("Engine", "No such device"),
    QT_TRANSLATE_NOOP("Engine", "Invalid argument"),
};

} // namespace

std::string fillParts(std::string_view text, std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t part = at + 1 < text.size() ? std::size_t(text[at + 1] - '1') : 9;
        if (text[at] == '%' && part < parts.size()) {
            out += parts.begin()[part];
            ++at;
        } else {
            out += text[at];
        }
    }
    return out;
}

} // namespace kestrel::texts
