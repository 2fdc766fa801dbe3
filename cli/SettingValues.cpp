#include "SettingValues.h"

#include "run/Preferences.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QString>

#include <cerrno>

namespace kestrel::cli {

bool parseSwitch(const std::string& value, const char* key, CommandLine& cmd) {
    if (value != "on" && value != "off")
        return false;
    cmd.settings.emplace_back(key, flagValue(value == "on"));
    return true;
}

// "ymd", "ym", "d", "none", …: which of the three date levels are on.
bool parseLevels(const std::string& value, const char* year, const char* month, const char* day,
                 CommandLine& cmd) {
    bool y = false, m = false, d = false;
    if (value != "none") {
        if (value.empty())
            return false;
        for (char c : value) {
            bool* level = c == 'y' ? &y : c == 'm' ? &m : c == 'd' ? &d : nullptr;
            if (level == nullptr || *level) // unknown letter, or one given twice
                return false;
            *level = true;
        }
    }
    cmd.settings.emplace_back(year, flagValue(y));
    cmd.settings.emplace_back(month, flagValue(m));
    cmd.settings.emplace_back(day, flagValue(d));
    return true;
}

// Stored as the window stores a chosen folder: absolute, no trailing "/". A folder that does
// not exist is never made: a drive that is not plugged in leaves an empty mount point, and a
// destination made there would fill the system disk while it counts as a copy.
bool parseFolder(const std::string& value, const char* key, CommandLine& cmd, std::string& error,
                 bool& misuse) {
    struct stat st {};
    if (!value.empty() && ::stat(value.c_str(), &st) != 0 && errno == ENOENT) {
        error =
            QCoreApplication::translate(
                "kestrel-import", "%1 does not exist (is its drive connected?): create it first")
                .arg(QString::fromStdString(value))
                .toStdString();
        misuse = false;
        return false;
    }
    if (value.empty() || ::stat(value.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        error = QCoreApplication::translate("kestrel-import", "not a folder: %1")
                    .arg(QString::fromStdString(value))
                    .toStdString();
        return false;
    }
    if (QString::fromUtf8(value).toUtf8().toStdString() != value) {
        error = QCoreApplication::translate(
                    "kestrel-import", "folder name is not valid UTF-8 and cannot be stored: %1")
                    .arg(QString::fromStdString(value))
                    .toStdString();
        return false;
    }
    cmd.settings.emplace_back(key, absoluteFolderPath(value));
    return true;
}

// The photographer's words, stored as given; an empty text clears them. The preferences hold
// text, so bytes that are not UTF-8 would come back changed.
bool parseText(const std::string& value, const char* key, CommandLine& cmd, std::string& error) {
    if (QString::fromUtf8(value).toUtf8().toStdString() != value) {
        error = QCoreApplication::translate("kestrel-import",
                                            "text is not valid UTF-8 and cannot be stored: %1")
                    .arg(QString::fromStdString(value))
                    .toStdString();
        return false;
    }
    cmd.settings.emplace_back(key, value);
    return true;
}

} // namespace kestrel::cli
