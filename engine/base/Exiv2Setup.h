#pragma once

namespace kestrel {

// Sets exiv2 up once per process, before its first use on any thread: quiet, since a card's
// damaged files are not ours to complain about on standard error, and with its XMP toolkit
// (DNG files carry XMP; sidecars are made of it) ready before two threads could use it at once.
void setUpExiv2();

} // namespace kestrel
