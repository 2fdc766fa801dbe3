// kestrel-import: the import run of kestrel's window, from the command line.

#include "CommandLine.h"
#include "RunReport.h"
#include "TerminalStatus.h"
#include "VerifyCommand.h"
#include "base/ShownText.h"
#include "base/Translations.h"
#include "device/Device.h"
#include "record/Verdict.h"
#include "run/CopyHandler.h"
#include "run/DestinationCheck.h"
#include "run/ImportOptions.h"
#include "run/JobPlan.h"
#include "run/Preferences.h"

#include <QCoreApplication>

#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

constexpr int kExitUsage = 2;

kestrel::StopRequest stopRequest;

// Interrupts, hang-ups and terminations stop the run after the file in hand; a closed
// standard output shows up as a failed write instead of killing the process.
void stopOnSignals() {
    struct sigaction action {};
    action.sa_handler = [](int signal) { stopRequest.request(signal); };
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

int usageError(const std::string& message) {
    std::fprintf(
        stderr, "kestrel-import: %s\n%s\n", message.c_str(),
        qPrintable(QCoreApplication::translate("kestrel-import", "Try 'kestrel-import --help'.")));
    return kExitUsage;
}

void showSettings(const QSettings& store) {
    for (const kestrel::OptionKey& option : kestrel::kOptionKeys)
        std::cout << option.key << '=' << kestrel::getUserDefAsString(store, option.key) << '\n';
    for (const char* key :
         {kestrel::keys::ImportPath, kestrel::keys::ImportPathRAW, kestrel::keys::KeepBoth,
          kestrel::keys::TakenDate, kestrel::keys::OtherFormats, kestrel::keys::Verify,
          kestrel::keys::BackupPath, kestrel::keys::NamePattern, kestrel::keys::FolderPattern,
          kestrel::keys::Job, kestrel::keys::Creator, kestrel::keys::Copyright,
          kestrel::keys::Credit, kestrel::keys::Keywords, kestrel::keys::Description,
          kestrel::keys::SidecarNames})
        std::cout << key << '=' << kestrel::getUserDefAsString(store, key) << '\n';
}

// What to say when a group that is on has no destination folder: a run would copy
// nothing of it, or copy into a folder named after the absent marker.
std::string missingDestination(const kestrel::ImportOptions& options) {
    for (const auto& [on, path, name, option] :
         {std::tuple{options.jpg, &options.jpgRoot, "JPG", "--jpg-dest"},
          std::tuple{options.raw, &options.rawRoot, "RAW", "--raw-dest"}})
        if (on && !kestrel::isChosenFolder(*path))
            return QCoreApplication::translate("kestrel-import",
                                               "no destination chosen for the %1 group: "
                                               "choose one with %2")
                .arg(QLatin1String(name), QLatin1String(option))
                .toStdString();
    return {};
}

bool isFolderKey(std::string_view key) {
    using namespace kestrel::keys;
    return key == ImportPath || key == ImportPathRAW || key == BackupPath;
}

// The options a run would have once the settings given are stored (and the start-up
// defaults of absent flags): checked before they are, so that a command that is refused
// changes nothing; with the values given for this run only.
kestrel::ImportOptions optionsWith(const QSettings& store, const kestrel::cli::CommandLine& cmd) {
    kestrel::ImportOptions options = kestrel::readImportOptions([&](const char* key) {
        for (auto it = cmd.settings.rbegin(); it != cmd.settings.rend(); ++it)
            if (std::string_view(it->first) == key)
                return it->second;
        std::string stored = kestrel::getUserDefAsString(store, key);
        for (const kestrel::OptionKey& option : kestrel::kOptionKeys)
            if (stored == kestrel::kAbsent && std::string_view(option.key) == key)
                stored = option.startupDefault;
        return stored;
    });
    if (cmd.job)
        options.job = *cmd.job;
    return options;
}

// One line per camera: PORT, MODEL and its storages, separated by tabs; the port given
// with --device too, which autodetection does not find when it serves a folder.
int listDevices(const std::optional<std::string>& port) {
    std::string why;
    std::vector<kestrel::DetectedDevice> found = kestrel::detectDevices(why);
    if (port &&
        std::none_of(found.begin(), found.end(), [&](const auto& d) { return d.port == *port; }))
        found.push_back({*port, {}});
    for (const kestrel::DetectedDevice& detected : found) {
        std::string opened;
        const auto device = kestrel::openDevice(detected.port, opened);
        std::string storages;
        for (const std::string& storage : device ? device->storages() : std::vector<std::string>())
            storages += (storages.empty() ? "" : ", ") + storage;
        std::cout << detected.port << '\t' << (device ? device->model() : detected.model) << '\t'
                  << (device ? storages : "cannot be opened: " + opened) << '\n';
    }
    std::cout.flush();
    if (!why.empty())
        std::fprintf(stderr, "kestrel-import: %s\n",
                     qPrintable(QCoreApplication::translate("kestrel-import",
                                                            "cameras cannot be looked for: %1")
                                    .arg(kestrel::shownText(why))));
    else if (found.empty())
        std::fprintf(stderr, "kestrel-import: %s\n",
                     qPrintable(QCoreApplication::translate("kestrel-import",
                                                            "no camera or phone is connected")));
    return why.empty() ? 0 : 1;
}

// Prints what an import of source (or of the camera at port) would do, and writes nothing.
int dryRun(const kestrel::cli::CommandLine& cmd, const std::string& source, const std::string& port,
           const kestrel::ImportOptions& options) {
    kestrel::cli::TerminalStatus status(stderr);
    std::ofstream nowhere("/dev/null"); // the import's log
    kestrel::CopyHandler handler(status, nowhere);
    handler.stop = &stopRequest;
    handler.givenOptions = options;
    handler.dryRun = &std::cout;
    if (cmd.device)
        handler.importDevice(port);
    else
        handler.prepareProcessing(source);
    const std::string& refused = handler.summary().refused;
    if (!refused.empty())
        std::fprintf(stderr, "kestrel-import: %s\n", qPrintable(kestrel::shownText(refused)));
    return refused.empty() ? 0 : kExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    stopOnSignals();
    kestrel::installTranslations();

    std::string error;
    bool misuse = true;
    const auto cmd = kestrel::cli::parseCommandLine(argc, argv, error, misuse);
    if (!cmd && !misuse)
        std::fprintf(stderr, "kestrel-import: %s\n", error.c_str()); // worded in its language
    if (!cmd)
        return misuse ? usageError(error) : kExitUsage;
    if (cmd->help) {
        std::cout << kestrel::cli::helpText();
        return 0;
    }
    if (cmd->version) {
        std::cout << "kestrel-import " KESTREL_VERSION "\n";
        return 0;
    }
    if (cmd->verify) {
        // Only reads the destination: the preferences are neither needed nor touched.
        kestrel::cli::TerminalStatus status(stderr);
        return kestrel::cli::verifyDestination(*cmd->verify, std::cout, status, stopRequest);
    }
    if (cmd->listDevices)
        return listDevices(cmd->device);

    std::string source;
    if (cmd->source) {
        struct stat st {};
        if (::stat(cmd->source->c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            return usageError(
                QCoreApplication::translate("kestrel-import", "SOURCE is not a folder: %1")
                    .arg(QString::fromStdString(*cmd->source))
                    .toStdString());
        source = kestrel::cli::absoluteFolderPath(*cmd->source);
    }

    // Start as the window starts: absent options get their defaults first.
    const auto store = kestrel::openPreferences();
    if (const std::string problem = kestrel::preferencesProblem(*store); !problem.empty()) {
        std::fprintf(stderr, "kestrel-import: %s\n",
                     qPrintable(QCoreApplication::translate(
                                    "kestrel-import", "the preferences file cannot be read: %1")
                                    .arg(kestrel::shownText(problem))));
        return kExitUsage;
    }
    // A dry run writes nothing, not even the defaults.
    if (!cmd->dryRun)
        kestrel::applyStartupDefaults(*store);
    const kestrel::ImportOptions options = optionsWith(*store, *cmd);
    std::string refusal = kestrel::backupConflict(options.backupRoot, options);
    for (const auto& [key, value] : cmd->settings)
        if (refusal.empty() && isFolderKey(key) && kestrel::isChosenFolder(value) &&
            kestrel::awaitsItsDrive(value))
            refusal = QCoreApplication::translate("kestrel-import",
                                                  "%1 is not mounted (is its drive connected?): "
                                                  "connect it first")
                          .arg(QString::fromStdString(value))
                          .toStdString();
    const bool importing = cmd->source || cmd->device;
    if (refusal.empty() && importing)
        refusal = missingDestination(options);
    // A folder served as a camera holds what the card would: no destination may lie in it.
    std::string port = cmd->device.value_or("");
    if (port.starts_with("disk:")) {
        source = kestrel::cli::absoluteFolderPath(port.substr(5));
        port = "disk:" + source;
    }
    if (refusal.empty() && importing)
        refusal = kestrel::refusedDestinations(source, options);
    if (refusal.empty())
        refusal = kestrel::jobRefusal(options, importing);
    if (!refusal.empty()) {
        std::fprintf(stderr, "kestrel-import: %s\n", qPrintable(kestrel::shownText(refusal)));
        return kExitUsage;
    }
    if (cmd->dryRun)
        return dryRun(*cmd, source, port, options);
    for (const auto& [key, value] : cmd->settings)
        kestrel::storeString(*store, key, value);
    if (store->status() == QSettings::AccessError)
        std::fprintf(
            stderr, "kestrel-import: %s\n",
            qPrintable(QCoreApplication::translate(
                           "kestrel-import", "warning: the preferences file %1 cannot be written")
                           .arg(store->fileName())));

    if (cmd->show)
        showSettings(*store);
    if (!importing)
        return 0;

    kestrel::cli::TerminalStatus status(stderr);
    kestrel::CopyHandler handler(status, std::cout);
    handler.stop = &stopRequest;
    handler.givenOptions = options;
    if (cmd->device)
        handler.importDevice(port);
    else
        handler.prepareProcessing(source);
    std::cout.flush();
    kestrel::cli::printLeftBehind(stderr, handler.summary());
    std::fprintf(stderr, "%s\n", qPrintable(kestrel::verdictSentence(handler.summary())));
    return kestrel::cli::exitStatus(handler.summary());
}
