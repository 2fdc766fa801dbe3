#pragma once

#include "run/ImportOptions.h"
#include "scan/SourceWalker.h"

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// A folder as its disk knows it: two paths name one folder when these agree, whatever
// links, ".." segments or bind mounts lie on the way.
struct FolderId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FolderId&) const = default;
};

// The folder at path, links followed; nothing when it is not a folder that can be examined.
std::optional<FolderId> folderId(const std::string& path);

// The destination roots a run with options copies to: each group's that is on and chosen,
// and the backup's.
std::vector<std::string> destinationRoots(const ImportOptions& options);

// The destination roots of options that exist, as a walk of the card skips them.
std::vector<SourceWalker::FolderKey> destinationKeys(const ImportOptions& options);

// "the backup folder is the destination of the JPG group: choose another folder" when backup
// is the same folder as the destination of a group that is on; empty when it is not. A
// backup there would be the same copy counted twice.
std::string backupConflict(const std::string& backup, const ImportOptions& options);

// Why a run from the folder source must not copy to the destinations of options; empty when
// it may. Refused: a backup that is a group's destination, and a destination inside the
// source (or, when the source is on a card, anywhere on that card): copies there would be
// erased with the card. A destination that contains the source is fine. A destination that
// awaits its drive is refused too.
std::string refusedDestinations(const std::string& source, const ImportOptions& options);

// "the backup folder B is on the same disk as the destination of the JPG group: one failure
// of that disk would lose both copies" when it is; empty when it is not, or there is no
// backup. Two folders of one disk count as two copies, but are one against a failing disk.
std::string backupOnDestinationDisk(const ImportOptions& options);

// True when the folder at path is where a drive is mounted, but no drive is: a mount point in
// fstab (one of fstab's lines) that is not mounted now, or a folder below /media/ or
// /run/media/ that lies on a file system mounted elsewhere. Copies made there would fill the
// system disk while they count as copies on the drive.
bool awaitsItsDrive(const std::string& path, const std::string& fstab = "/etc/fstab");

// True when the folder at path lies on a card: a file system the desktop mounted for
// removable media, below /media/ or /run/media/, or one with a DCIM folder at its top.
bool onCard(const std::string& path);

} // namespace kestrel
