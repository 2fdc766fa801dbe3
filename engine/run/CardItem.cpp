#include "run/CardItem.h"

#include "base/EngineTexts.h"
#include "base/Fd.h"
#include "base/LongPath.h"
#include "scan/CaptureDate.h"
#include "scan/Classification.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

namespace kestrel {

namespace {

std::string twoDigits(int value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

std::optional<CaptureTime> captureTime(const std::string& path) {
    const auto kind = captureKindOf(path);
    if (!kind)
        return std::nullopt;
    const Fd file(openLong(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    return file.valid() ? readCaptureTime(file.get(), *kind) : std::nullopt;
}

} // namespace

Pick pickItem(std::string_view path, bool folder, bool regular, const ImportOptions& options) {
    auto kind = classifyPath(path);
    const auto format = folder ? std::nullopt : mediaFormat(path);
    if (!kind && options.otherFormats && format)
        kind = format->kind;
    const bool jpg = kind && kind->group == FileGroup::JPG;
    Pick pick;
    if (kind && (jpg ? options.jpg : options.raw)) {
        pick.verdict = Pick::Verdict::Picked;
        pick.tag = kind->tag;
        pick.root = jpg ? options.jpgRoot : options.rawRoot;
    } else if (format && regular) {
        pick.verdict = Pick::Verdict::LeftOnCard;
        pick.reason = kind ? texts::filled<texts::kGroupOff>(jpg ? "JPG" : "RAW")
                           : texts::filled<texts::kTypeNotImported>(extensionOf(path));
    }
    return pick;
}

std::array<std::string, 3> FilingTime::folders() const {
    return {std::to_string(year), twoDigits(month), twoDigits(day)};
}

std::string FilingTime::text() const {
    if (!placed)
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%04ld-%02d-%02d %02d:%02d:%02d", year, month, day, hour,
                  minute, second);
    return text;
}

std::tm FilingTime::calendar() const {
    std::tm time{};
    time.tm_year = static_cast<int>(year - 1900);
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    std::tm weekday = time;
    // The calendar fields as UTC: nothing moves, and the weekday comes out.
    if (::timegm(&weekday) != -1) {
        time.tm_wday = weekday.tm_wday;
        time.tm_yday = weekday.tm_yday;
    }
    return time;
}

FilingTime localFilingTime(std::time_t time) {
    std::tm local{};
    if (::localtime_r(&time, &local) == nullptr || local.tm_year + 1900L < 1)
        return {};
    return {.placed = true,
            .year = local.tm_year + 1900L,
            .month = local.tm_mon + 1,
            .day = local.tm_mday,
            .hour = local.tm_hour,
            .minute = local.tm_min,
            .second = local.tm_sec};
}

FilingTime capturedFilingTime(const CaptureTime& taken) {
    return {.placed = true,
            .fromCapture = true,
            .year = taken.day.year,
            .month = taken.day.month,
            .day = taken.day.day,
            .hour = taken.hour,
            .minute = taken.minute,
            .second = taken.second};
}

FilingTime filingTime(const std::string& path, const FileDates& dates,
                      const ImportOptions& options) {
    if (options.byCaptureDate && S_ISREG(dates.identity.type))
        if (const auto taken = captureTime(path))
            return capturedFilingTime(*taken);
    return localFilingTime(options.byModification ? dates.modified : dates.created);
}

Examined examineItem(const std::string& fullPath, const std::string& tag, const std::string& root,
                     const ImportOptions& options) {
    Examined examined;
    examined.dates = readFileDates(fullPath);
    const auto& dates = examined.dates;
    if (!dates) {
        examined.problem = CopyOutcome{Outcome::SourceUnreadable, errno, {}};
        return examined;
    }
    examined.time = filingTime(fullPath, *dates, options);
    if (!examined.time.placed) {
        examined.problem = CopyOutcome{Outcome::Undated, EOVERFLOW, {}};
        return examined;
    }
    const auto slash = fullPath.rfind('/');
    auto [year, month, day] = examined.time.folders();
    examined.fields = FileFields{tag,
                                 fullPath,
                                 fullPath.substr(slash + 1),
                                 fullPath.substr(0, slash + 1),
                                 std::move(year),
                                 std::move(month),
                                 std::move(day),
                                 root,
                                 dates->identity,
                                 dates->size,
                                 {},
                                 examined.time.calendar()};
    return examined;
}

} // namespace kestrel
