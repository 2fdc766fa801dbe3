#pragma once

namespace kestrel::faults {

// The system calls that fail in the field. The engine asks injected() just before making
// one of them, so a test can make that call fail with a chosen errno, without root,
// mounts or a full disk.
enum class Call {
    Mkdir,
    OpenFolder,
    ReadFolder,
    Stat,
    OpenSource,
    SourceStat, // error 0: the open source reports a size of 0
    Read,
    OpenTmpfile,
    OpenTemp,
    CopyFileRange,
    Sendfile,
    Write,
    Fchmod,
    Futimens,
    Fdatasync,
    Syncfs,
    Fsync,
    Close,
    Linkat,
    Renameat2,
    Link,
    ReportWrite,
    Statvfs, // error 0: the disk has no space left
    Corrupt, // not a call: one byte of the data changes between its hash and the disk
    // A camera's calls; the error is the libgphoto2 result the call gives (GP_ERROR_IO, …).
    DeviceOpen,
    DeviceList, // each folder's listing and each file's examination
    DeviceRead, // each chunk of a file that the camera sends
    Count
};

// Lets `after` calls of `call` through, then makes the next `times` fail with `error`; a
// negative `times` fails every call until clear() is called. An error of 0 makes a call that
// can answer 0 (Read: the end; Write, CopyFileRange, Sendfile: nothing written) answer that instead
// of failing. For tests only.
void failNext(Call call, int error, int times = 1, int after = 0);

// Makes every call succeed again.
void clear();

// True, with errno set, when a test asked this call to fail now. Costs one relaxed load
// when no fault is armed.
bool injected(Call call);

} // namespace kestrel::faults
