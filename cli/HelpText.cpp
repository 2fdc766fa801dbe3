// The text of kestrel-import --help, which the manual page is made from, in the user's language.
// Translators get it in pieces: a paragraph, or what an option does. Option names, values,
// paths and examples stay as they are in every language.
#include "CommandLine.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <string_view>

namespace kestrel::cli {

namespace {

constexpr char kContext[] = "kestrel::cli::Help";

// The forms of the command line, after "Usage:" and "or:".
constexpr const char* kSynopses[] = {
    "[SETTINGS] SOURCE",
    "SETTINGS",
    "[SETTINGS] --show",
    "[SETTINGS] --device PORT",
    "[SETTINGS] --dry-run SOURCE|--device PORT",
    "--list-devices [--device PORT]",
    "--verify DEST",
};

// A paragraph (no option), a line of the option list, or, with neither, an empty line.
struct Piece {
    const char* option;
    const char* text;
};

// clang-format off
constexpr Piece kPieces[] = {
    {nullptr, QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "Copies the photos and clips below the folder SOURCE into dated folders,\n"
        "DEST/<tag>/<year>/<month>/<day>/, exactly as a drop of SOURCE on kestrel's\n"
        "window does. Sources are only read; an existing file is never replaced.\n"
        "With --device, the files come from a camera or phone connected over USB\n"
        "(PTP or MTP, through libgphoto2) instead, filed by the time the camera gives\n"
        "each file (with --taken on, by the capture time at the start of the file where\n"
        "it has one); a file imported before, whose copy still holds what was recorded,\n"
        "is not sent again; nothing on it is deleted or changed.")},
    {},
    {nullptr, QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "JPG group: files ending in jpg, JPG, mov, MOV (tag JPG).\n"
        "RAW group: files ending in raf, RAF, cr2, CR2, nef, NEF (tag RAW) and\n"
        "           dng, DNG, tif, TIF (tag DNG).")},
    {nullptr, QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "Any other photo or clip on the card or camera (CR3, ARW, HEIC, MP4, .Jpg, …)\n"
        "is left there and named, and the import does not count as complete, unless\n"
        "--other-formats is on.")},
    {},
    {nullptr, QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "Settings are stored in kestrel's preferences, shared with the window, and\n"
        "apply to this and every later import:")},
    {"--jpg on|off", QT_TRANSLATE_NOOP("kestrel::cli::Help", "import the JPG group")},
    {"--raw on|off", QT_TRANSLATE_NOOP("kestrel::cli::Help", "import the RAW group")},
    {"--folders LEVELS", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "date folders made for every copied file: any of\n"
        "y (year), m (month), d (day), e.g. ymd, ym, d,\n"
        "or none")},
    {"--raw-folders LEVELS", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "the RAW side's date options, as the window shows\n"
        "them (where files go follows --folders)")},
    {"--date created|modified", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "date files by creation (birth) time or by\n"
        "modification time")},
    {"--jpg-dest FOLDER", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "destination folder of the JPG group")},
    {"--raw-dest FOLDER", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "destination folder of the RAW group")},
    {"--taken on|off", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "date photos and clips by when they were taken, read\n"
        "from their own metadata (EXIF, the movie header);\n"
        "a file without one is dated as --date says")},
    {"--keep-both on|off", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "copy a different file that has the destination\n"
        "name under NAME-1.EXT, NAME-2.EXT, … instead of\n"
        "leaving it behind")},
    {"--other-formats on|off", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "also import the other photo and clip formats:\n"
        "raw stills under RAW (TIFF under DNG), other\n"
        "stills and every clip under JPG")},
    {"--verify-copies on|off", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "read every copy back and compare it with the\n"
        "source before giving it its name (on unless\n"
        "set off)")},
    {"--backup-dest FOLDER|none", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "also copy every file to FOLDER, a second\n"
        "destination; none for no second copy")},
    {"--rename PATTERN|off", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "name every copy by PATTERN instead of its name\n"
        "on the card, e.g. {taken:%Y%m%d}_{seq:4}{ext};\n"
        "off for the names as on the card")},
    {"--folders-pattern PATTERN|off", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "file every copy in the folders PATTERN gives\n"
        "below the destination, e.g. {tag}/{taken:%Y}/{job},\n"
        "instead of <tag>/<year>/<month>/<day>; off for\n"
        "the date folders again")},
    {},
    {nullptr, QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "A pattern is fixed text and fields: {name} (the name on the card without\n"
        "its ending), {ext} (the ending with its dot; {ext:lower} in lower case),\n"
        "{taken:FORMAT} (the date the file is filed by, as strftime's FORMAT puts\n"
        "it), {seq} or {seq:N} (the job's next number, N digits wide), {job},\n"
        "{camera} (the camera model in the photo's EXIF, else \"camera\"), {card} (the\n"
        "SOURCE folder's name, or the camera's model) and {tag} (JPG, RAW or DNG);\n"
        "{{ and }} stand for { and }. A name pattern ends with {ext} and has {name}\n"
        "or {seq}. Files of one name before their endings (IMG_0001.JPG with\n"
        "IMG_0001.CR2) take one new name together, each with its own ending, and\n"
        "their values from the JPG. The numbers of a job are kept at each\n"
        "destination, in .kestrel/sequence, so they never repeat there: a run takes\n"
        "them only for the files it copies, the same at every destination a file\n"
        "goes to.")},
    {},
    {nullptr, QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "The photographer's metadata goes into an XMP sidecar beside every copy, never\n"
        "into the copy itself: NAME.xmp (one for IMG_0001.JPG and IMG_0001.CR2 in the\n"
        "same folder), written when any of these is set; an empty TEXT clears it. A\n"
        "file that already has the sidecar's name is never replaced: the log and the\n"
        "report note it. Sidecars are listed in the hash record like the copies, and\n"
        "count for nothing in the exit status.")},
    {"--creator TEXT", QT_TRANSLATE_NOOP("kestrel::cli::Help", "the photographer (dc:creator)")},
    {"--copyright TEXT", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "the copyright notice (dc:rights)")},
    {"--credit TEXT", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "the credit line (photoshop:Credit)")},
    {"--keywords TEXT", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "keywords separated by commas, \"a, b\" (dc:subject)")},
    {"--description TEXT", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "a description of the photos (dc:description)")},
    {"--sidecar-names name|name.ext", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "sidecars named NAME.xmp, or NAME.EXT.xmp, one per\n"
        "copy (IMG_0001.JPG.xmp)")},
    {},
    {nullptr, QT_TRANSLATE_NOOP("kestrel::cli::Help", "Other options:")},
    {"--verify DEST", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "check the files at the destination DEST against\n"
        "its hash record (the ascmhl folder): print each\n"
        "file changed, missing or not recorded, and a\n"
        "count; imports nothing")},
    {"--device PORT", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "import from the camera or phone at PORT\n"
        "(usb:001,004, as listed by --list-devices) instead\n"
        "of SOURCE; disk:FOLDER serves FOLDER as a camera.\n"
        "Files are named PORT + their path on the camera:\n"
        "usb:001,004/store_00010001/DCIM/IMG_0001.JPG")},
    {"--list-devices", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "print each camera and phone connected, one a line:\n"
        "PORT, MODEL and its storages, separated by tabs\n"
        "(with --device, that port's too); imports nothing")},
    {"--job NAME", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "the {job} of this run's patterns, and the job\n"
        "whose numbers {seq} takes; for this run only,\n"
        "never stored")},
    {"--dry-run", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "print what the import of SOURCE (or of the\n"
        "camera at --device PORT) would do, one line per\n"
        "file: SOURCE_FILE -> DESTINATION_FILE for each\n"
        "copy it would make, or SOURCE_FILE: why it would\n"
        "not; then a count. Writes nothing at all: no\n"
        "folder, copy, number, record, report, nor the\n"
        "settings given with it, which apply to it only")},
    {"--show", QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "print the stored settings, one key=value a line")},
    {"-h, --help", QT_TRANSLATE_NOOP("kestrel::cli::Help", "print this help")},
    {"--version", QT_TRANSLATE_NOOP("kestrel::cli::Help", "print the version")},
    {},
    {nullptr, QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "Standard output carries the import's log: the source folder, one line per\n"
        "folder and file, and a count. Standard error shows the progress while it is\n"
        "a terminal, and always the final message.")},
    {},
    {nullptr, QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "Exit status: 0 when every photo and clip below SOURCE (or on the camera) is\n"
        "at its destination (copied now, or already there with the same bytes): the\n"
        "card may be formatted; 1 when any is not, or a camera cannot be opened; 2\n"
        "for usage errors, preferences that cannot be read, no destination chosen for\n"
        "a group that is on, destinations that are refused (a backup folder that\n"
        "is a group's destination, a destination on the card being imported, or a\n"
        "folder that does not exist), a pattern that cannot be used (the message\n"
        "says at which character) or a job sequence at a destination that cannot be\n"
        "read: nothing is copied and none of the settings given is stored; "
        "128 + the signal when a signal stopped the import (141 when\n"
        "standard output was closed). The last line on standard error says whether\n"
        "the card (or the camera) may be cleared.")},
    {nullptr, QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "With --verify: 0 when every recorded file at DEST matches its record (files\n"
        "never recorded are listed but do not count against it); 1 when any is\n"
        "changed, missing, unreadable or recorded without an XXH3-128 hash, or the\n"
        "record is damaged (an entry that cannot be checked, or a path through a\n"
        "symbolic link, named in the message); 2 when DEST is not a folder or has no\n"
        "hash record.")},
    {nullptr, QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "With --dry-run: 0 when it could say what the import would do; 2 as above.")},
    {nullptr, QT_TRANSLATE_NOOP("kestrel::cli::Help",
        "With --list-devices: 0 (no line when nothing is connected); 1 when\n"
        "libgphoto2 cannot look for cameras.")},
};
// clang-format on

// What an option does starts in this column, on the option's line when it fits there.
constexpr std::string_view::size_type kDescriptionColumn = 28;

QString translated(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

void appendUsage(std::string& help) {
    const QString usage = translated(QT_TRANSLATE_NOOP("kestrel::cli::Help", "Usage:"));
    const QString alternative = translated(QT_TRANSLATE_NOOP("kestrel::cli::Help", "or:"));
    // "  or:  " ends where "Usage: " does, so that the forms line up.
    const QString lead(std::max<qsizetype>(usage.size() - alternative.size() - 1, 0), u' ');
    bool first = true;
    for (const char* synopsis : kSynopses) {
        const QString start = first ? usage + u' ' : lead + alternative + QStringLiteral("  ");
        help += start.toStdString() + "kestrel-import " + synopsis + '\n';
        first = false;
    }
}

void appendOption(std::string& help, std::string_view option, const std::string& description) {
    std::string line = "  " + std::string(option);
    if (line.size() + 2 > kDescriptionColumn)
        line += '\n' + std::string(kDescriptionColumn, ' ');
    else
        line.resize(kDescriptionColumn, ' ');
    for (const char c : description)
        line += c == '\n' ? '\n' + std::string(kDescriptionColumn, ' ') : std::string(1, c);
    help += line + '\n';
}

} // namespace

std::string helpText() {
    std::string help;
    appendUsage(help);
    help += '\n';
    for (const Piece& piece : kPieces) {
        if (!piece.text)
            help += '\n';
        else if (piece.option)
            appendOption(help, piece.option, translated(piece.text).toStdString());
        else
            help += translated(piece.text).toStdString() + '\n';
    }
    return help;
}

} // namespace kestrel::cli
