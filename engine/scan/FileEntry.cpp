#include "scan/FileEntry.h"

namespace kestrel {

std::vector<std::string> FileEntry::strings() const {
    if (isError())
        return {"ERR"};
    const FileFields& f = *fields_;
    return {f.fileType, f.fullPath, f.fileName, f.sourceFolder, f.year, f.month, f.day, f.destRoot};
}

} // namespace kestrel
