#include "run/ImportOptions.h"

#include "base/SystemError.h"
#include "run/Preferences.h"

#include <QFile>
#include <QSettings>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kestrel {

std::vector<std::string> splitKeywords(std::string_view text) {
    std::vector<std::string> keywords;
    while (!text.empty()) {
        const auto comma = text.find(',');
        std::string_view word = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        while (!word.empty() && (word.front() == ' ' || word.front() == '\t'))
            word.remove_prefix(1);
        while (!word.empty() && (word.back() == ' ' || word.back() == '\t'))
            word.remove_suffix(1);
        if (!word.empty())
            keywords.emplace_back(word);
    }
    return keywords;
}

ImportOptions readImportOptions(const QSettings& store) {
    return readImportOptions([&store](const char* key) { return getUserDefAsString(store, key); });
}

ImportOptions readImportOptions(const std::function<std::string(const char* key)>& value) {
    const auto on = [&value](const char* key) { return isOn(value(key)); };
    ImportOptions options;
    options.jpg = on(keys::JPG);
    options.raw = on(keys::RAW);
    options.year = on(keys::JPGYear);
    options.month = on(keys::JPGMonth);
    options.day = on(keys::JPGDay);
    options.byModification = on(keys::ModDate);
    options.byCaptureDate = on(keys::TakenDate);
    options.keepBoth = on(keys::KeepBoth);
    options.otherFormats = on(keys::OtherFormats);
    options.verify = verifyOn(value(keys::Verify));
    options.backupRoot = value(keys::BackupPath);
    options.jpgRoot = value(keys::ImportPath);
    options.rawRoot = value(keys::ImportPathRAW);
    const auto text = [&value](const char* key) {
        std::string stored = value(key);
        return stored == kAbsent ? std::string() : stored;
    };
    options.namePattern = text(keys::NamePattern);
    options.folderPattern = text(keys::FolderPattern);
    options.job = text(keys::Job);
    options.creator = text(keys::Creator);
    options.copyright = text(keys::Copyright);
    options.credit = text(keys::Credit);
    options.keywords = splitKeywords(text(keys::Keywords));
    options.description = text(keys::Description);
    options.sidecarWithEnding = text(keys::SidecarNames) == "name.ext";
    return options;
}

std::vector<std::string_view> folderLevels(const FileFields& f, const ImportOptions& options) {
    std::vector<std::string_view> levels{f.fileType};
    for (const auto& [on, level] :
         {std::pair{options.year, &f.year}, {options.month, &f.month}, {options.day, &f.day}})
        if (on)
            levels.push_back(*level);
    return levels;
}

std::string destinationFolder(const FileFields& f, const std::string& root,
                              const ImportOptions& options) {
    std::string folder = root + "/";
    for (const std::string_view level : folderLevels(f, options))
        folder.append(level).push_back('/');
    return folder;
}

std::string preferencesProblem(const QSettings& store) {
    const QByteArray file = QFile::encodeName(store.fileName());
    const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        char byte;
        const bool readable = ::read(fd, &byte, 1) >= 0;
        const int error = errno;
        ::close(fd);
        if (readable)
            return {};
        return file.toStdString() + ": " + englishError(error);
    }
    if (errno == ENOENT)
        return {}; // a new store: every key is absent
    return file.toStdString() + ": " + englishError(errno);
}

} // namespace kestrel
