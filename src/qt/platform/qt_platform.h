#pragma once

#include "platform/platform.h"
#include "qt/platform/qt_desktop.h"
#include "qt/platform/qt_key_store.h"
#include "qt/platform/qt_scheduler.h"
#include "qt/platform/qt_serial_port.h"

namespace qavi::qt {

// Every platform service the core needs, as the desktop provides it.
// Create after the QApplication; the window's thread is the caller's.
struct QtPlatform {
    QtSerialPort serial;
    QtScheduler scheduler;
    QtKeyStore keys;
    QtClock clock;
    QtLocale locale;
    QtDialogs dialogs;
    QtShell shell;
    QtScreen screen;
    platform::Platform platform{serial, scheduler, keys, clock, locale, dialogs, shell, screen};
};

}  // namespace qavi::qt
