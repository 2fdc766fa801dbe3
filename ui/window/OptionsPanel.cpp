#include "window/OptionsPanel.h"

#include "run/Preferences.h"
#include "window/PathControl.h"

#include <QCheckBox>

#include <string_view>

namespace kestrel {

namespace {

// Mixed counts as on for enabling, but only a full check stores "1".
bool notOff(const QCheckBox* box) {
    return box && box->checkState() != Qt::Unchecked;
}
bool fullyOn(const QCheckBox* box) {
    return box && box->checkState() == Qt::Checked;
}

void setAllEnabled(std::initializer_list<QCheckBox*> boxes, bool enabled) {
    for (QCheckBox* box : boxes)
        if (box)
            box->setEnabled(enabled);
}

void setChecked(QCheckBox* box, bool on) {
    if (box)
        box->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

} // namespace

OptionsPanel::OptionsPanel(QSettings& preferences, const std::vector<Box>& boxes,
                           PathControl* jpgPath, PathControl* rawPath, QObject* parent)
    : QObject(parent), preferences_(preferences), jpgPath_(jpgPath), rawPath_(rawPath) {
    for (const auto& [checkbox, key] : boxes) {
        boxes_.emplace_back(checkbox, key);
        // clicked, not toggled: setting a state from the preferences must not store it again.
        connect(checkbox, &QCheckBox::clicked, this, [this, key = key] { clicked(key); });
    }
}

QCheckBox* OptionsPanel::box(const char* key) const {
    for (const auto& [checkbox, its] : boxes_)
        if (std::string_view(its) == key)
            return checkbox;
    return nullptr;
}

// The options added after the nine flags are only read: absent means off, but for Verify,
// where absent means on.
void OptionsPanel::refresh(bool writeDefaults) {
    for (const OptionKey& option : kOptionKeys) {
        std::string value = writeDefaults ? restoreOption(preferences_, option)
                                          : getUserDefAsString(preferences_, option.key);
        if (value == kAbsent)
            value = option.startupDefault;
        setChecked(box(option.key), isOn(value));
    }
    for (const char* key : {keys::TakenDate, keys::KeepBoth, keys::OtherFormats})
        setChecked(box(key), isOn(getUserDefAsString(preferences_, key)));
    setChecked(box(keys::Verify), verifyOn(getUserDefAsString(preferences_, keys::Verify)));
    setJPGEnabled(notOff(box(keys::JPG)));
    setRAWEnabled(notOff(box(keys::RAW)));
}

void OptionsPanel::setJPGEnabled(bool flag) {
    setAllEnabled({box(keys::JPGYear), box(keys::JPGMonth), box(keys::JPGDay)},
                  flag || notOff(box(keys::RAW)));
}

void OptionsPanel::setRAWEnabled(bool flag) {
    setAllEnabled({box(keys::RAWYear), box(keys::RAWMonth), box(keys::RAWDay), box(keys::JPGYear),
                   box(keys::JPGMonth), box(keys::JPGDay)},
                  flag || notOff(box(keys::JPG)));
}

void OptionsPanel::clicked(const char* key) {
    const QCheckBox* checkbox = box(key);
    const bool jpg = std::string_view(key) == keys::JPG;
    if (jpg || std::string_view(key) == keys::RAW) {
        if (jpg)
            setJPGEnabled(notOff(checkbox));
        else
            setRAWEnabled(notOff(checkbox));
        if (PathControl* path = jpg ? jpgPath_ : rawPath_)
            path->setEnabled(notOff(checkbox));
    }
    storeString(preferences_, key, flagValue(fullyOn(checkbox)));
    emit stored();
}

} // namespace kestrel
