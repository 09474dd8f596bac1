#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/key_store.h"
#include "platform/locale.h"
#include "platform/scheduler.h"
#include "platform/screen.h"
#include "platform/serial_port.h"
#include "platform/shell.h"

namespace qavi::platform {

// The outside world as the core sees it; the composition root fills it with
// Qt implementations, the tests with fakes.
struct Platform {
    SerialPort& serial;
    Scheduler& scheduler;
    KeyStore& keys;
    Clock& clock;
    Locale& locale;
    Dialogs& dialogs;
    Shell& shell;
    Screen& screen;
};

}  // namespace qavi::platform
