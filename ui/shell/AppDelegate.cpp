#include "shell/AppDelegate.h"

namespace kestrel {

AppDelegate::AppDelegate(QObject* parent) : QObject(parent) {}

void AppDelegate::applicationDidFinishLaunching() {}

void AppDelegate::applicationWillTerminate() {}

} // namespace kestrel
