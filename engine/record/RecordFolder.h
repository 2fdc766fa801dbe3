#pragma once

#include "base/Fd.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::record {

// The folder below a root that holds its hash record.
inline constexpr const char* kRecordFolder = "ascmhl";

// Opens ROOT/ascmhl below the root open at rootFd, making it first with create, never
// through a symbolic link. 0, or the errno of the failure: ELOOP when ascmhl is a symbolic
// link, ENOENT when it is missing and not to be made.
int openRecordFolder(int rootFd, bool create, Fd& folder);
// Opens the folder name below the root open at rootFd in the same way.
int openFolderBelow(int rootFd, const char* name, bool create, Fd& folder);

// Reads the whole regular file name in the folder open at dirFd, not following a link.
// 0 or the errno of the failure.
int readFileAt(int dirFd, const std::string& name, std::string& contents);

// Writes data to a new file in the folder open at dirFd, flushes it, and gives it the name
// nameFor(0), or nameFor(1), … when that is taken, never replacing a file. 0 with
// published set, or the errno of the failure; a failure leaves no file behind.
int publishNew(int dirFd, std::string_view data,
               const std::function<std::string(int attempt)>& nameFor, std::string& published);

// Replaces the file name in the folder open at dirFd by one holding data, at once: a reader
// sees the old file or the new one, whole. Flushes file and folder. 0 or the errno.
int replaceFile(int dirFd, const std::string& name, std::string_view data);

// Flushes fd (a file or a folder) to disk; 0 or the errno.
int syncFd(int fd);

// The names in the folder open at dirFd, without "." and ".."; 0 or the errno.
int listFolder(int dirFd, std::vector<std::string>& names);

// Removes the temporary files that runs which died left in the folder open at dirFd. Call
// only while holding the folder's lock, so that no live run owns one.
void removeStaleTemporaries(int dirFd);

} // namespace kestrel::record
