// kestrel-import: the import run of kestrel's window, from the command line.

#include "CommandLine.h"
#include "RunReport.h"
#include "TerminalStatus.h"
#include "VerifyCommand.h"
#include "run/CopyHandler.h"
#include "run/ImportOptions.h"
#include "run/Preferences.h"

#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <tuple>

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
    std::fprintf(stderr, "kestrel-import: %s\nTry 'kestrel-import --help'.\n", message.c_str());
    return kExitUsage;
}

void showSettings(const QSettings& store) {
    for (const kestrel::OptionKey& option : kestrel::kOptionKeys)
        std::cout << option.key << '=' << kestrel::getUserDefAsString(store, option.key) << '\n';
    for (const char* key :
         {kestrel::keys::ImportPath, kestrel::keys::ImportPathRAW, kestrel::keys::KeepBoth,
          kestrel::keys::TakenDate, kestrel::keys::OtherFormats, kestrel::keys::Verify,
          kestrel::keys::BackupPath})
        std::cout << key << '=' << kestrel::getUserDefAsString(store, key) << '\n';
}

// What to say when a group that is on has no destination folder: a run would copy
// nothing of it, or copy into a folder named after the absent marker.
std::string missingDestination(const QSettings& store) {
    using namespace kestrel;
    for (const auto& [group, pathKey, name, option] :
         {std::tuple{keys::JPG, keys::ImportPath, "JPG", "--jpg-dest"},
          std::tuple{keys::RAW, keys::ImportPathRAW, "RAW", "--raw-dest"}}) {
        const std::string path = getUserDefAsString(store, pathKey);
        if (isOn(getUserDefAsString(store, group)) && !isChosenFolder(path))
            return std::string("no destination chosen for the ") + name +
                   " group: choose one with " + option;
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    stopOnSignals();

    std::string error;
    const auto cmd = kestrel::cli::parseCommandLine(argc, argv, error);
    if (!cmd)
        return usageError(error);
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

    std::string source;
    if (cmd->source) {
        struct stat st {};
        if (::stat(cmd->source->c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            return usageError("SOURCE is not a folder: " + *cmd->source);
        source = kestrel::cli::absoluteFolderPath(*cmd->source);
    }

    // Start as the window starts: absent options get their defaults first.
    const auto store = kestrel::openPreferences();
    if (const std::string problem = kestrel::preferencesProblem(*store); !problem.empty()) {
        std::fprintf(stderr, "kestrel-import: the preferences file cannot be read: %s\n",
                     problem.c_str());
        return kExitUsage;
    }
    kestrel::applyStartupDefaults(*store);
    for (const auto& [key, value] : cmd->settings)
        kestrel::storeString(*store, key, value);
    if (store->status() == QSettings::AccessError)
        std::fprintf(stderr, "kestrel-import: warning: the preferences file %s cannot be written\n",
                     qPrintable(store->fileName()));

    if (cmd->show)
        showSettings(*store);
    if (!cmd->source)
        return 0;
    if (const std::string missing = missingDestination(*store); !missing.empty()) {
        std::fprintf(stderr, "kestrel-import: %s\n", missing.c_str());
        return kExitUsage;
    }

    kestrel::cli::TerminalStatus status(stderr);
    kestrel::CopyHandler handler(status, std::cout);
    handler.stop = &stopRequest;
    handler.prepareProcessing(source);
    std::cout.flush();
    kestrel::cli::printLeftBehind(stderr, handler.summary());
    return kestrel::cli::exitStatus(handler.summary());
}
