#include "CommandLine.h"
#include "SettingValues.h"

#include "run/Preferences.h"

#include <getopt.h>

#include <QCoreApplication>
#include <QString>

#include <filesystem>
#include <map>

namespace kestrel::cli {

namespace {

enum Option {
    OptJpg = 256,
    OptRaw,
    OptFolders,
    OptRawFolders,
    OptDate,
    OptJpgDest,
    OptRawDest,
    OptTaken,
    OptKeepBoth,
    OptOtherFormats,
    OptVerifyCopies,
    OptBackupDest,
    OptCreator,
    OptCopyright,
    OptCredit,
    OptKeywords,
    OptDescription,
    OptSidecarNames,
    OptVerify,
    OptDevice,
    OptListDevices,
    OptShow,
    OptVersion,
    OptRename,
    OptFoldersPattern,
    OptJob,
    OptDryRun,
};

} // namespace

std::string absoluteFolderPath(const std::string& path) {
    std::string clean = std::filesystem::absolute(path).lexically_normal().string();
    while (clean.size() > 1 && clean.back() == '/')
        clean.pop_back();
    return clean;
}

std::optional<CommandLine> parseCommandLine(int argc, char** argv, std::string& error,
                                            bool& misuse) {
    misuse = true;
    static const option longOptions[] = {
        {"jpg", required_argument, nullptr, OptJpg},
        {"raw", required_argument, nullptr, OptRaw},
        {"folders", required_argument, nullptr, OptFolders},
        {"raw-folders", required_argument, nullptr, OptRawFolders},
        {"date", required_argument, nullptr, OptDate},
        {"jpg-dest", required_argument, nullptr, OptJpgDest},
        {"raw-dest", required_argument, nullptr, OptRawDest},
        {"taken", required_argument, nullptr, OptTaken},
        {"keep-both", required_argument, nullptr, OptKeepBoth},
        {"other-formats", required_argument, nullptr, OptOtherFormats},
        {"verify-copies", required_argument, nullptr, OptVerifyCopies},
        {"backup-dest", required_argument, nullptr, OptBackupDest},
        {"creator", required_argument, nullptr, OptCreator},
        {"copyright", required_argument, nullptr, OptCopyright},
        {"credit", required_argument, nullptr, OptCredit},
        {"keywords", required_argument, nullptr, OptKeywords},
        {"description", required_argument, nullptr, OptDescription},
        {"sidecar-names", required_argument, nullptr, OptSidecarNames},
        {"verify", required_argument, nullptr, OptVerify},
        {"device", required_argument, nullptr, OptDevice},
        {"list-devices", no_argument, nullptr, OptListDevices},
        {"show", no_argument, nullptr, OptShow},
        {"rename", required_argument, nullptr, OptRename},
        {"folders-pattern", required_argument, nullptr, OptFoldersPattern},
        {"job", required_argument, nullptr, OptJob},
        {"dry-run", no_argument, nullptr, OptDryRun},
        {"help", no_argument, nullptr, 'h'},
        {"version", no_argument, nullptr, OptVersion},
        {nullptr, 0, nullptr, 0},
    };

    CommandLine cmd;
    optind = 1;
    opterr = 0; // we word the errors ourselves
    for (;;) {
        const int index = optind;
        const int opt = getopt_long(argc, argv, "+h", longOptions, nullptr);
        if (opt == -1)
            break;
        const std::string value = optarg != nullptr ? optarg : "";
        bool ok = true;
        switch (opt) {
        case OptJpg:
            ok = parseSwitch(value, keys::JPG, cmd);
            break;
        case OptRaw:
            ok = parseSwitch(value, keys::RAW, cmd);
            break;
        case OptFolders:
            ok = parseLevels(value, keys::JPGYear, keys::JPGMonth, keys::JPGDay, cmd);
            break;
        case OptRawFolders:
            ok = parseLevels(value, keys::RAWYear, keys::RAWMonth, keys::RAWDay, cmd);
            break;
        case OptDate:
            ok = value == "created" || value == "modified";
            if (ok)
                cmd.settings.emplace_back(keys::ModDate, flagValue(value == "modified"));
            break;
        case OptJpgDest:
            if (!parseFolder(value, keys::ImportPath, cmd, error, misuse))
                return std::nullopt;
            break;
        case OptRawDest:
            if (!parseFolder(value, keys::ImportPathRAW, cmd, error, misuse))
                return std::nullopt;
            break;
        case OptTaken:
            ok = parseSwitch(value, keys::TakenDate, cmd);
            break;
        case OptKeepBoth:
            ok = parseSwitch(value, keys::KeepBoth, cmd);
            break;
        case OptOtherFormats:
            ok = parseSwitch(value, keys::OtherFormats, cmd);
            break;
        case OptVerifyCopies:
            ok = parseSwitch(value, keys::Verify, cmd);
            break;
        case OptBackupDest:
            // "none" stores the empty string, which reads as no backup, as the window's
            // switched-off backup does.
            if (value == "none")
                cmd.settings.emplace_back(keys::BackupPath, "");
            else if (!parseFolder(value, keys::BackupPath, cmd, error, misuse))
                return std::nullopt;
            break;
        case OptCreator:
        case OptCopyright:
        case OptCredit:
        case OptKeywords:
        case OptDescription: {
            static const std::map<int, const char*> textKeys = {
                {OptCreator, keys::Creator},
                {OptCopyright, keys::Copyright},
                {OptCredit, keys::Credit},
                {OptKeywords, keys::Keywords},
                {OptDescription, keys::Description}};
            if (!parseText(value, textKeys.at(opt), cmd, error))
                return std::nullopt;
            break;
        }
        case OptSidecarNames:
            ok = value == "name" || value == "name.ext";
            if (ok)
                cmd.settings.emplace_back(keys::SidecarNames, value);
            break;
        case OptRename:
        case OptFoldersPattern:
            // "off" stores the empty string: names as on the card, the date folders.
            cmd.settings.emplace_back(opt == OptRename ? keys::NamePattern : keys::FolderPattern,
                                      value == "off" ? std::string() : value);
            break;
        case OptJob:
            cmd.job = value;
            break;
        case OptDryRun:
            cmd.dryRun = true;
            break;
        case OptVerify:
            cmd.verify = value;
            break;
        case OptDevice:
            cmd.device = value;
            break;
        case OptListDevices:
            cmd.listDevices = true;
            break;
        case OptShow:
            cmd.show = true;
            break;
        case 'h':
            cmd.help = true;
            break;
        case OptVersion:
            cmd.version = true;
            break;
        default:
            error =
                QCoreApplication::translate("kestrel-import", "unknown option or missing value: %1")
                    .arg(QString::fromLocal8Bit(index < argc ? argv[index] : ""))
                    .toStdString();
            return std::nullopt;
        }
        if (!ok) {
            error = QCoreApplication::translate("kestrel-import", "bad value for %1")
                        .arg(QString::fromLocal8Bit(
                            std::string(argv[index]) +
                            (optarg != nullptr &&
                                     std::string(argv[index]).find('=') == std::string::npos
                                 ? " " + value
                                 : "")))
                        .toStdString();
            return std::nullopt;
        }
    }

    const int rest = argc - optind;
    if (rest > 1) {
        error = QCoreApplication::translate("kestrel-import",
                                            "only one SOURCE folder can be imported at a time")
                    .toStdString();
        return std::nullopt;
    }
    if (rest == 1)
        cmd.source = argv[optind];
    if (cmd.help || cmd.version)
        return cmd;
    if (cmd.verify && (cmd.source || cmd.show || !cmd.settings.empty())) {
        error = QCoreApplication::translate(
                    "kestrel-import",
                    "--verify only checks DEST; leave out SOURCE, settings and --show")
                    .toStdString();
        return std::nullopt;
    }
    if (cmd.verify)
        return cmd;
    if (cmd.listDevices && (cmd.source || cmd.show || !cmd.settings.empty())) {
        error = QCoreApplication::translate(
                    "kestrel-import",
                    "--list-devices only lists; leave out SOURCE, settings and --show")
                    .toStdString();
        return std::nullopt;
    }
    if (cmd.listDevices)
        return cmd;
    if (cmd.device && cmd.source) {
        error =
            QCoreApplication::translate("kestrel-import", "give SOURCE or --device PORT, not both")
                .toStdString();
        return std::nullopt;
    }
    if (cmd.dryRun && (cmd.show || (!cmd.source && !cmd.device))) {
        error = QCoreApplication::translate(
                    "kestrel-import", "--dry-run needs SOURCE or --device PORT, and no --show")
                    .toStdString();
        return std::nullopt;
    }
    if (cmd.show && (cmd.source || cmd.device)) {
        error = QCoreApplication::translate("kestrel-import",
                                            "--show does not import; leave out SOURCE and --device")
                    .toStdString();
        return std::nullopt;
    }
    if (!cmd.source && !cmd.device && !cmd.show && cmd.settings.empty()) {
        error =
            QCoreApplication::translate("kestrel-import", "no SOURCE folder given").toStdString();
        return std::nullopt;
    }
    return cmd;
}

} // namespace kestrel::cli
