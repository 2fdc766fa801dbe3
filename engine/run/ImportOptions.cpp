#include "run/ImportOptions.h"

#include "run/Preferences.h"

#include <QFile>
#include <QSettings>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kestrel {

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
        return file.toStdString() + ": " + std::strerror(error);
    }
    if (errno == ENOENT)
        return {}; // a new store: every key is absent
    return file.toStdString() + ": " + std::strerror(errno);
}

} // namespace kestrel
