#include "run/Preferences.h"

namespace kestrel {

namespace {
QAnyStringView keyView(const char* key) {
    return QLatin1StringView(key);
}
} // namespace

std::unique_ptr<QSettings> openPreferences() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("kestrel"), QStringLiteral("kestrel"));
}

std::string getUserDefAsString(const QSettings& store, const char* key) {
    const QVariant value = store.value(keyView(key));
    // Only a string counts; a list or map written by something else reads as absent.
    if (!value.isValid() || value.typeId() != QMetaType::QString)
        return std::string(kAbsent);
    return value.toString().toStdString();
}

void storeString(QSettings& store, const char* key, const std::string& value) {
    store.setValue(keyView(key), QString::fromStdString(value));
    store.sync();
}

std::string restoreOption(QSettings& store, const OptionKey& option) {
    std::string value = getUserDefAsString(store, option.key);
    if (value == kAbsent) {
        storeString(store, option.key, option.startupDefault);
        value = getUserDefAsString(store, option.key);
    }
    return value;
}

void applyStartupDefaults(QSettings& store) {
    for (const OptionKey& option : kOptionKeys)
        restoreOption(store, option);
}

} // namespace kestrel
