#include "browse/PartialFile.h"

#include "scan/ReadAt.h"

#include <sys/mman.h>

#include <algorithm>

namespace kestrel {

namespace {

constexpr std::uint64_t kPage = 4096;

} // namespace

PartialFile::PartialFile(int fd, std::uint64_t size, std::uint64_t readBudget)
    : fd_(fd), size_(size), budget_(readBudget) {
    if (size == 0 || size > kMaxSize)
        return;
    // Anonymous pages read as zeros and take memory only once written.
    void* map = ::mmap(nullptr, size, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (map == MAP_FAILED)
        return;
    data_ = static_cast<unsigned char*>(map);
    pageRead_.assign((size + kPage - 1) / kPage, false);
}

PartialFile::~PartialFile() {
    if (data_ != nullptr)
        ::munmap(data_, size_);
}

bool PartialFile::read(std::uint64_t at, std::uint64_t length) {
    if (data_ == nullptr || at >= size_)
        return false;
    const std::uint64_t end = std::min(size_, at + std::min(length, size_));
    // Whole pages, each read at most once; runs of unread pages in one call each.
    std::uint64_t page = at / kPage;
    const std::uint64_t lastPage = (end + kPage - 1) / kPage;
    while (page < lastPage) {
        if (pageRead_[page]) {
            ++page;
            continue;
        }
        std::uint64_t runEnd = page;
        while (runEnd < lastPage && !pageRead_[runEnd])
            ++runEnd;
        const std::uint64_t from = page * kPage;
        const std::uint64_t bytes = std::min(size_, runEnd * kPage) - from;
        if (bytes > budget_)
            return false;
        if (readAt(fd_, from, data_ + from, bytes) != bytes)
            return false;
        budget_ -= bytes;
        std::fill(pageRead_.begin() + static_cast<std::ptrdiff_t>(page),
                  pageRead_.begin() + static_cast<std::ptrdiff_t>(runEnd), true);
        page = runEnd;
    }
    return true;
}

} // namespace kestrel
