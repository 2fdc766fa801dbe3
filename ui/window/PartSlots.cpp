// The window's designed slots and its status calls, each carried out by the part it belongs to.
#include "window/ViewController.h"

#include "run/Preferences.h"
#include "window/DestinationChoice.h"
#include "window/EjectOffer.h"
#include "window/JobOption.h"
#include "window/OptionsPanel.h"
#include "window/ReleaseOffer.h"
#include "window/StatusPanel.h"

namespace kestrel {

void ViewController::restoreCHKState() {
    options_->refresh(true);
}

void ViewController::setChkJPGEnabled(bool flag) {
    options_->setJPGEnabled(flag);
}
void ViewController::setChkRAWEnabled(bool flag) {
    options_->setRAWEnabled(flag);
}

void ViewController::chkJPGChecked() {
    options_->clicked(keys::JPG);
}
void ViewController::chkRAWChecked() {
    options_->clicked(keys::RAW);
}
void ViewController::chkJPGYearChecked() {
    options_->clicked(keys::JPGYear);
}
void ViewController::chkJPGMonthChecked() {
    options_->clicked(keys::JPGMonth);
}
void ViewController::chkJPGDayChecked() {
    options_->clicked(keys::JPGDay);
}
void ViewController::chkRAWYearChecked() {
    options_->clicked(keys::RAWYear);
}
void ViewController::chkRAWMonthChecked() {
    options_->clicked(keys::RAWMonth);
}
void ViewController::chkRAWDayChecked() {
    options_->clicked(keys::RAWDay);
}
void ViewController::chkModDatePressed() {
    options_->clicked(keys::ModDate);
}
void ViewController::chkTakenDatePressed() {
    options_->clicked(keys::TakenDate);
}
void ViewController::chkKeepBothPressed() {
    options_->clicked(keys::KeepBoth);
}
void ViewController::chkOtherFormatsPressed() {
    options_->clicked(keys::OtherFormats);
}
void ViewController::chkVerifyPressed() {
    options_->clicked(keys::Verify);
}
void ViewController::chkBackupPressed() {
    destinations_->backupClicked();
}

void ViewController::destPathSelected(PathControl* sender) {
    destinations_->jpgPicked(sender);
}
void ViewController::destPathRAWSelected(PathControl* sender) {
    destinations_->rawPicked(sender);
}
void ViewController::destPathBackupSelected(PathControl* sender) {
    destinations_->backupPicked(sender);
}

void ViewController::namesAndFolders() {
    job_->openSheet();
}

void ViewController::setUpRelease(DeviceRelease* release) {
    releaseOffer_->setRelease(release);
}

std::string ViewController::getUserDefAsString(const char* key) const {
    return kestrel::getUserDefAsString(*uDefs, key);
}

void ViewController::setUpEject(CardEjector* ejector) {
    eject_->setEjector(ejector);
}
void ViewController::ejectCard() {
    eject_->eject();
}

void ViewController::sayNothing() {
    status_->sayNothing();
}
void ViewController::setBar(std::int32_t count) {
    filesToCopy = count;
    status_->setBar(count);
}
void ViewController::setBarInc(const std::string& text) {
    status_->setBarInc(text);
}
void ViewController::stopBar() {
    status_->stopBar();
}
void ViewController::sayFinished(const RunSummary& summary) {
    status_->sayFinished(summary);
}
void ViewController::setTotalBytes(std::int64_t bytes) {
    status_->setTotalBytes(bytes);
}
void ViewController::bytesDone(std::int64_t bytes) {
    status_->bytesDone(bytes);
}
void ViewController::sayWarning(const std::string& text) {
    status_->sayWarning(text);
}
WhenShort ViewController::spaceShort(const std::vector<std::string>& shortfalls) {
    return status_->spaceShort(shortfalls);
}

} // namespace kestrel
