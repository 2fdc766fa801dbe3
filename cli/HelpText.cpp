// The text of kestrel-import --help, which the manual page is made from.
#include "CommandLine.h"

namespace kestrel::cli {

std::string helpText() {
    return R"(Usage: kestrel-import [SETTINGS] SOURCE
  or:  kestrel-import SETTINGS
  or:  kestrel-import [SETTINGS] --show
  or:  kestrel-import [SETTINGS] --device PORT
  or:  kestrel-import [SETTINGS] --dry-run SOURCE|--device PORT
  or:  kestrel-import --list-devices [--device PORT]
  or:  kestrel-import --verify DEST

Copies the photos and clips below the folder SOURCE into dated folders,
DEST/<tag>/<year>/<month>/<day>/, exactly as a drop of SOURCE on kestrel's
window does. Sources are only read; an existing file is never replaced.
With --device, the files come from a camera or phone connected over USB
(PTP or MTP, through libgphoto2) instead, filed by the time the camera gives
each file (with --taken on, by the capture time at the start of the file where
it has one); a file imported before, whose copy still holds what was recorded,
is not sent again; nothing on it is deleted or changed.

JPG group: files ending in jpg, JPG, mov, MOV (tag JPG).
RAW group: files ending in raf, RAF, cr2, CR2, nef, NEF (tag RAW) and
           dng, DNG, tif, TIF (tag DNG).
Any other photo or clip on the card or camera (CR3, ARW, HEIC, MP4, .Jpg, …)
is left there and named, and the import does not count as complete, unless
--other-formats is on.

Settings are stored in kestrel's preferences, shared with the window, and
apply to this and every later import:
  --jpg on|off              import the JPG group
  --raw on|off              import the RAW group
  --folders LEVELS          date folders made for every copied file: any of
                            y (year), m (month), d (day), e.g. ymd, ym, d,
                            or none
  --raw-folders LEVELS      the RAW side's date options, as the window shows
                            them (where files go follows --folders)
  --date created|modified   date files by creation (birth) time or by
                            modification time
  --jpg-dest FOLDER         destination folder of the JPG group
  --raw-dest FOLDER         destination folder of the RAW group
  --taken on|off            date photos and clips by when they were taken, read
                            from their own metadata (EXIF, the movie header);
                            a file without one is dated as --date says
  --keep-both on|off        copy a different file that has the destination
                            name under NAME-1.EXT, NAME-2.EXT, … instead of
                            leaving it behind
  --other-formats on|off    also import the other photo and clip formats:
                            raw stills under RAW (TIFF under DNG), other
                            stills and every clip under JPG
  --verify-copies on|off    read every copy back and compare it with the
                            source before giving it its name (on unless
                            set off)
  --backup-dest FOLDER|none
                            also copy every file to FOLDER, a second
                            destination; none for no second copy
  --rename PATTERN|off      name every copy by PATTERN instead of its name
                            on the card, e.g. {taken:%Y%m%d}_{seq:4}{ext};
                            off for the names as on the card
  --folders-pattern PATTERN|off
                            file every copy in the folders PATTERN gives
                            below the destination, e.g. {tag}/{taken:%Y}/{job},
                            instead of <tag>/<year>/<month>/<day>; off for
                            the date folders again

A pattern is fixed text and fields: {name} (the name on the card without
its ending), {ext} (the ending with its dot; {ext:lower} in lower case),
{taken:FORMAT} (the date the file is filed by, as strftime's FORMAT puts
it), {seq} or {seq:N} (the job's next number, N digits wide), {job},
{camera} (the camera model in the photo's EXIF, else "camera"), {card} (the
SOURCE folder's name, or the camera's model) and {tag} (JPG, RAW or DNG);
{{ and }} stand for { and }. A name pattern ends with {ext} and has {name}
or {seq}. Files of one name before their endings (IMG_0001.JPG with
IMG_0001.CR2) take one new name together, each with its own ending, and
their values from the JPG. The numbers of a job are kept at each
destination, in .kestrel/sequence, so they never repeat there: a run takes
them only for the files it copies, the same at every destination a file
goes to.

The photographer's metadata goes into an XMP sidecar beside every copy, never
into the copy itself: NAME.xmp (one for IMG_0001.JPG and IMG_0001.CR2 in the
same folder), written when any of these is set; an empty TEXT clears it. A
file that already has the sidecar's name is never replaced: the log and the
report note it. Sidecars are listed in the hash record like the copies, and
count for nothing in the exit status.
  --creator TEXT            the photographer (dc:creator)
  --copyright TEXT          the copyright notice (dc:rights)
  --credit TEXT             the credit line (photoshop:Credit)
  --keywords TEXT           keywords separated by commas, "a, b" (dc:subject)
  --description TEXT        a description of the photos (dc:description)
  --sidecar-names name|name.ext
                            sidecars named NAME.xmp, or NAME.EXT.xmp, one per
                            copy (IMG_0001.JPG.xmp)

Other options:
  --verify DEST             check the files at the destination DEST against
                            its hash record (the ascmhl folder): print each
                            file changed, missing or not recorded, and a
                            count; imports nothing
  --device PORT             import from the camera or phone at PORT
                            (usb:001,004, as listed by --list-devices) instead
                            of SOURCE; disk:FOLDER serves FOLDER as a camera.
                            Files are named PORT + their path on the camera:
                            usb:001,004/store_00010001/DCIM/IMG_0001.JPG
  --list-devices            print each camera and phone connected, one a line:
                            PORT, MODEL and its storages, separated by tabs
                            (with --device, that port's too); imports nothing
  --job NAME                the {job} of this run's patterns, and the job
                            whose numbers {seq} takes; for this run only,
                            never stored
  --dry-run                 print what the import of SOURCE (or of the
                            camera at --device PORT) would do, one line per
                            file: SOURCE_FILE -> DESTINATION_FILE for each
                            copy it would make, or SOURCE_FILE: why it would
                            not; then a count. Writes nothing at all: no
                            folder, copy, number, record, report, nor the
                            settings given with it, which apply to it only
  --show                    print the stored settings, one key=value a line
  -h, --help                print this help
  --version                 print the version

Standard output carries the import's log: the source folder, one line per
folder and file, and a count. Standard error shows the progress while it is
a terminal, and always the final message.

Exit status: 0 when every photo and clip below SOURCE (or on the camera) is
at its destination (copied now, or already there with the same bytes): the
card may be formatted; 1 when any is not, or a camera cannot be opened; 2
for usage errors, preferences that cannot be read, no destination chosen for
a group that is on, destinations that are refused (a backup folder that
is a group's destination, a destination on the card being imported, or a
folder that does not exist), a pattern that cannot be used (the message
says at which character) or a job sequence at a destination that cannot be
read: nothing is copied and none of the settings given is stored; 128 + the signal when a signal stopped the import (141 when
standard output was closed). The last line on standard error says whether
the card (or the camera) may be cleared.
With --verify: 0 when every recorded file at DEST matches its record (files
never recorded are listed but do not count against it); 1 when any is
changed, missing, unreadable or recorded without an XXH3-128 hash, or the
record is damaged (an entry that cannot be checked, or a path through a
symbolic link, named in the message); 2 when DEST is not a folder or has no
hash record.
With --dry-run: 0 when it could say what the import would do; 2 as above.
With --list-devices: 0 (no line when nothing is connected); 1 when
libgphoto2 cannot look for cameras.
)";
}

} // namespace kestrel::cli
