// The option checkboxes of the window: start-up, clicks, enabling and refreshing.
#include "window/ViewController.h"

#include "run/Preferences.h"
#include "window/PathControl.h"

#include <QCheckBox>

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

} // namespace

void ViewController::restoreCHKState() {
    refreshOptions(true);
}

// Shows the stored options; with writeDefaults, stores the start-up default of every
// absent option first. The options added later are only read: absent means off, but for
// Verify, where absent means on.
void ViewController::refreshOptions(bool writeDefaults) {
    QCheckBox* const boxes[] = {chkJPG,     chkRAW,      chkJPGYear, chkJPGMonth, chkJPGDay,
                                chkRAWYear, chkRAWMonth, chkRAWDay,  chkModDate};
    static_assert(std::size(boxes) == kOptionKeys.size());
    for (std::size_t i = 0; i < kOptionKeys.size(); ++i) {
        std::string value = writeDefaults ? restoreOption(*uDefs, kOptionKeys[i])
                                          : getUserDefAsString(kOptionKeys[i].key);
        if (value == kAbsent)
            value = kOptionKeys[i].startupDefault;
        if (boxes[i])
            boxes[i]->setCheckState(isOn(value) ? Qt::Checked : Qt::Unchecked);
    }
    for (const auto& [box, key] : {std::pair{chkTakenDate.data(), keys::TakenDate},
                                   std::pair{chkKeepBoth.data(), keys::KeepBoth},
                                   std::pair{chkOtherFormats.data(), keys::OtherFormats}})
        if (box)
            box->setCheckState(isOn(getUserDefAsString(key)) ? Qt::Checked : Qt::Unchecked);
    if (chkVerify)
        chkVerify->setCheckState(verifyOn(getUserDefAsString(keys::Verify)) ? Qt::Checked
                                                                            : Qt::Unchecked);
    setChkJPGEnabled(notOff(chkJPG));
    setChkRAWEnabled(notOff(chkRAW));
}

void ViewController::setChkJPGEnabled(bool flag) {
    setAllEnabled({chkJPGYear, chkJPGMonth, chkJPGDay}, flag || notOff(chkRAW));
}

void ViewController::setChkRAWEnabled(bool flag) {
    setAllEnabled({chkRAWYear, chkRAWMonth, chkRAWDay, chkJPGYear, chkJPGMonth, chkJPGDay},
                  flag || notOff(chkJPG));
}

void ViewController::groupChecked(const QCheckBox* group, void (ViewController::*setEnabled)(bool),
                                  PathControl* path, const char* key) {
    (this->*setEnabled)(notOff(group));
    if (path)
        path->setEnabled(notOff(group));
    storeState(group, key);
}

void ViewController::storeState(const QCheckBox* box, const char* key) {
    storeString(*uDefs, key, flagValue(fullyOn(box)));
    refreshBrowsers();
}

void ViewController::chkJPGChecked() {
    groupChecked(chkJPG, &ViewController::setChkJPGEnabled, destinationPath, keys::JPG);
}

void ViewController::chkRAWChecked() {
    groupChecked(chkRAW, &ViewController::setChkRAWEnabled, destinationPathRAW, keys::RAW);
}

void ViewController::chkJPGYearChecked() {
    storeState(chkJPGYear, keys::JPGYear);
}
void ViewController::chkJPGMonthChecked() {
    storeState(chkJPGMonth, keys::JPGMonth);
}
void ViewController::chkJPGDayChecked() {
    storeState(chkJPGDay, keys::JPGDay);
}
void ViewController::chkRAWYearChecked() {
    storeState(chkRAWYear, keys::RAWYear);
}
void ViewController::chkRAWMonthChecked() {
    storeState(chkRAWMonth, keys::RAWMonth);
}
void ViewController::chkRAWDayChecked() {
    storeState(chkRAWDay, keys::RAWDay);
}
void ViewController::chkModDatePressed() {
    storeState(chkModDate, keys::ModDate);
}
void ViewController::chkTakenDatePressed() {
    storeState(chkTakenDate, keys::TakenDate);
}
void ViewController::chkKeepBothPressed() {
    storeState(chkKeepBoth, keys::KeepBoth);
}
void ViewController::chkOtherFormatsPressed() {
    storeState(chkOtherFormats, keys::OtherFormats);
}
void ViewController::chkVerifyPressed() {
    storeState(chkVerify, keys::Verify);
}

} // namespace kestrel
