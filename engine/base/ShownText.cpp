#include "base/ShownText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace kestrel {

namespace {

constexpr char kContext[] = "Engine";

// The engine's English texts with parts filled in: %1, %2, … stand for them.
constexpr const char* kTemplates[] = {
    QT_TRANSLATE_NOOP("Engine", "%1 at character %2"),
    QT_TRANSLATE_NOOP("Engine", "the name pattern cannot be used: %1"),
    QT_TRANSLATE_NOOP("Engine", "the folder pattern cannot be used: %1"),
    QT_TRANSLATE_NOOP("Engine", "{%1} takes only :lower, not %2"),
    QT_TRANSLATE_NOOP("Engine", "{%1} takes no option, not %2"),
    QT_TRANSLATE_NOOP("Engine", "a / in %1 makes no folder (write {taken:%Y}/{taken:%m})"),
    QT_TRANSLATE_NOOP("Engine", "%1 needs a width of 1 to 9 digits, e.g. {seq:4},"),
    QT_TRANSLATE_NOOP("Engine", "unknown field %1"),
    QT_TRANSLATE_NOOP("Engine", "a folder cannot be named %1,"),
    QT_TRANSLATE_NOOP("Engine", "the backup folder is the destination of the %1 group: choose "
                                "another folder"),
    QT_TRANSLATE_NOOP("Engine", "the backup folder %1 is on the same disk as the destination of "
                                "the %2 group: one failure of that disk would lose both copies"),
    QT_TRANSLATE_NOOP("Engine", "the destination %1 is not mounted (is its drive connected?)"),
    QT_TRANSLATE_NOOP("Engine", "the destination %1 is on the card being imported: it would be "
                                "erased with the card"),
    QT_TRANSLATE_NOOP("Engine", "the destination %1 does not exist (is its drive connected?)"),
    QT_TRANSLATE_NOOP("Engine", "the destination %1 was unmounted or replaced during the import"),
    QT_TRANSLATE_NOOP("Engine", "the destination %1 cannot be opened: %2"),
    QT_TRANSLATE_NOOP("Engine", "needs %1 at %2, %3 free"),
    QT_TRANSLATE_NOOP("Engine", "there is not enough space: %1"),
    QT_TRANSLATE_NOOP("Engine", "a folder below the destination is a symbolic link: %1"),
    QT_TRANSLATE_NOOP("Engine", "no destination folder is chosen for the %1 group"),
    QT_TRANSLATE_NOOP("Engine", "the %1 group is switched off"),
    QT_TRANSLATE_NOOP("Engine", "kestrel does not import .%1 files"),
    QT_TRANSLATE_NOOP("Engine", "%1 is on a %2 file system, which cannot give a file its name "
                                "without risking replacing another: nothing is copied there."),
    QT_TRANSLATE_NOOP("Engine", "the report could not be written: %1"),
    QT_TRANSLATE_NOOP("Engine", "the sidecar cannot be written: %1"),
    QT_TRANSLATE_NOOP("Engine", "the metadata cannot be written as XMP: %1"),
    QT_TRANSLATE_NOOP("Engine", "the hash record at %1 cannot be written: %2"),
    QT_TRANSLATE_NOOP("Engine", "the hash record at %1 is damaged: %2"),
    QT_TRANSLATE_NOOP("Engine", "the hash record at %1 cannot be read: %2"),
    QT_TRANSLATE_NOOP("Engine", "%1 cannot be read: %2"),
    QT_TRANSLATE_NOOP("Engine", "%1 is damaged: %2"),
    QT_TRANSLATE_NOOP("Engine", "the camera says: %1"),
    QT_TRANSLATE_NOOP("Engine", "there is no folder %1"),
    QT_TRANSLATE_NOOP("Engine", "no camera or phone is connected at %1"),
    QT_TRANSLATE_NOOP("Engine", "the transfer cannot start: %1"),
    QT_TRANSLATE_NOOP("Engine", "%1% · %2 of %3"),
    QT_TRANSLATE_NOOP("Engine", "%1/s"),
    QT_TRANSLATE_NOOP("Engine", "%1 s left"),
    QT_TRANSLATE_NOOP("Engine", "about %1 min left"),
    QT_TRANSLATE_NOOP("Engine", "about %1 h left"),
    QT_TRANSLATE_NOOP("Engine", "about %1 h %2 min left"),
};

// The engine's texts without parts: looked up as they are, listed here for the translators.
[[maybe_unused]] constexpr const char* kWords[] = {
    QT_TRANSLATE_NOOP("Engine", "copied"),
    QT_TRANSLATE_NOOP("Engine", "already at its destination"),
    QT_TRANSLATE_NOOP("Engine", "a different file has this name"),
    QT_TRANSLATE_NOOP("Engine", "the source cannot be read"),
    QT_TRANSLATE_NOOP("Engine", "not a regular file"),
    QT_TRANSLATE_NOOP("Engine", "it changed while being copied"),
    QT_TRANSLATE_NOOP("Engine", "the destination folder is missing or not writable"),
    QT_TRANSLATE_NOOP("Engine", "the disk is full"),
    QT_TRANSLATE_NOOP("Engine", "the destination's file system cannot name a file without "
                                "risking replacing another"),
    QT_TRANSLATE_NOOP("Engine", "an input/output error"),
    QT_TRANSLATE_NOOP("Engine", "its date cannot be placed in the calendar"),
    QT_TRANSLATE_NOOP("Engine", "the import was stopped first"),
    QT_TRANSLATE_NOOP("Engine", "not imported with the current options"),
    QT_TRANSLATE_NOOP("Engine", "a folder below the destination is a symbolic link"),
    QT_TRANSLATE_NOOP("Engine", "the name is too long for the destination's file system"),
    QT_TRANSLATE_NOOP("Engine", "no destination folder is chosen"),
    QT_TRANSLATE_NOOP("Engine", "the copy read back from the destination differs from the card"),
    QT_TRANSLATE_NOOP("Engine", "not selected"),
    QT_TRANSLATE_NOOP("Engine", "the pattern is empty"),
    QT_TRANSLATE_NOOP("Engine", "a } with no { (write }} for a } of its own)"),
    QT_TRANSLATE_NOOP("Engine", "a file name cannot hold /"),
    QT_TRANSLATE_NOOP("Engine", "unclosed {"),
    QT_TRANSLATE_NOOP("Engine", "{taken} needs a format, e.g. {taken:%Y-%m-%d},"),
    QT_TRANSLATE_NOOP("Engine", "an empty folder name"),
    QT_TRANSLATE_NOOP("Engine", "a file name pattern needs {name} or {seq}, so that each file "
                                "gets a name of its own"),
    QT_TRANSLATE_NOOP("Engine", "a file name pattern must end with {ext}, so that each copy "
                                "keeps its ending"),
    QT_TRANSLATE_NOOP("Engine", "another program is using the camera (unmount it in the file "
                                "manager)"),
    QT_TRANSLATE_NOOP("Engine", "the camera was disconnected"),
    QT_TRANSLATE_NOOP("Engine", "the camera is busy"),
    QT_TRANSLATE_NOOP("Engine", "it is no longer on the camera"),
    QT_TRANSLATE_NOOP("Engine", "the import was stopped"),
    QT_TRANSLATE_NOOP("Engine", "the transfer was abandoned"),
    QT_TRANSLATE_NOOP("Engine", "the camera gives no time for it"),
    QT_TRANSLATE_NOOP("Engine", "the destination folder was moved or replaced during the import"),
    QT_TRANSLATE_NOOP("Engine", "the copy at the destination has changed since it was imported "
                                "(damaged?)"),
    QT_TRANSLATE_NOOP("Engine", "a file of this name is already there: it is left as it is"),
    QT_TRANSLATE_NOOP("Engine", "the metadata cannot be written as XMP (is it valid UTF-8?)"),
    QT_TRANSLATE_NOOP("Engine", "its ascmhl folder is a symbolic link"),
    // The system's words for the errors a copy meets most (strerror's, in English).
    QT_TRANSLATE_NOOP("Engine", "No space left on device"),
    QT_TRANSLATE_NOOP("Engine", "Disk quota exceeded"),
    QT_TRANSLATE_NOOP("Engine", "Input/output error"),
    QT_TRANSLATE_NOOP("Engine", "Permission denied"),
    QT_TRANSLATE_NOOP("Engine", "Operation not permitted"),
    QT_TRANSLATE_NOOP("Engine", "No such file or directory"),
    QT_TRANSLATE_NOOP("Engine", "Not a directory"),
    QT_TRANSLATE_NOOP("Engine", "Read-only file system"),
    QT_TRANSLATE_NOOP("Engine", "File name too long"),
    QT_TRANSLATE_NOOP("Engine", "File exists"),
    QT_TRANSLATE_NOOP("Engine", "Too many levels of symbolic links"),
    QT_TRANSLATE_NOOP("Engine", "Device or resource busy"),
    QT_TRANSLATE_NOOP("Engine", "No such device"),
    QT_TRANSLATE_NOOP("Engine", "Invalid argument"),
};

struct Template {
    QRegularExpression english;
    const char* source;
};

const std::vector<Template>& templates() {
    static const std::vector<Template> all = [] {
        std::vector<Template> made;
        static const QRegularExpression part(QStringLiteral("%\\d"));
        for (const char* source : kTemplates) {
            QString pattern = QRegularExpression::escape(QString::fromUtf8(source));
            pattern.replace(QStringLiteral("\\%"), QStringLiteral("%"));
            pattern.replace(part, QStringLiteral("(.+?)"));
            made.push_back({QRegularExpression(u'^' + pattern + u'$',
                                               QRegularExpression::DotMatchesEverythingOption),
                            source});
        }
        return made;
    }();
    return all;
}

// formatBytes's "1.5 GB", with the locale's decimal sign.
QString shownSize(const QString& text) {
    static const QRegularExpression size(QStringLiteral("^(\\d+)\\.(\\d) ([kMGTPE]B)$"));
    const QRegularExpressionMatch m = size.match(text);
    if (!m.hasMatch())
        return text;
    return m.captured(1) + QLocale().decimalPoint() + m.captured(2) + u' ' + m.captured(3);
}

QString shown(const QString& english, int depth) {
    const QByteArray utf8 = english.toUtf8();
    const QString word = QCoreApplication::translate(kContext, utf8.constData());
    if (word != english || depth > 4)
        return word;
    for (const Template& t : templates())
        if (const QRegularExpressionMatch m = t.english.match(english); m.hasMatch()) {
            // In one pass: a part may hold a % of its own.
            QStringList parts;
            for (int i = 1; i <= m.lastCapturedIndex(); ++i)
                parts.append(shown(m.captured(i), depth + 1));
            const QString text = QCoreApplication::translate(kContext, t.source);
            switch (parts.size()) {
            case 1:
                return text.arg(parts[0]);
            case 2:
                return text.arg(parts[0], parts[1]);
            default:
                return text.arg(parts[0], parts[1], parts[2]);
            }
        }
    // A reason followed by the system's words for the error, or parts of a progress line.
    if (const qsizetype dot = english.indexOf(QStringLiteral(" · ")); dot > 0)
        return shown(english.left(dot), depth + 1) + english.mid(dot, 3) +
               shown(english.mid(dot + 3), depth + 1);
    if (const qsizetype colon = english.lastIndexOf(QStringLiteral(": ")); colon > 0) {
        const QString why = english.mid(colon + 2);
        const QString said = shown(why, depth + 1);
        if (said != why)
            //: A reason, then the system's words for the error that caused it.
            return QCoreApplication::translate("Engine", "%1: %2")
                .arg(shown(english.left(colon), depth + 1), said);
    }
    return shownSize(english);
}

} // namespace

QString shownText(const std::string& english) {
    return shown(QString::fromStdString(english), 0);
}

} // namespace kestrel
