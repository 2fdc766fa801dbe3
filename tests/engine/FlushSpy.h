#pragma once

#include <string>

// Watches the real flush and naming calls the engine makes (the test program's own
// fdatasync, syncfs, fsync, linkat and renameat2 stand in front of the C library's), so a
// test can check that no copy got its name before its data was flushed to disk, and which
// folders' entries were flushed.
namespace kestrel::test::flushSpy {

// Forgets what was seen and starts watching.
void start();
// How many files got a name since start().
int named();
// How many of those had not been flushed, by fdatasync of the file or syncfs of its disk.
int namedUnflushed();
// True when the folder at path had its entries flushed (fsync) since start().
bool folderFlushed(const std::string& path);

} // namespace kestrel::test::flushSpy
