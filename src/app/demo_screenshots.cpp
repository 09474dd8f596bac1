#include "app/demo_screenshots.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <array>
#include <iostream>

#include "app/screenshots.h"
#include "qt/main_window.h"
#include "qt/platform/qt_desktop.h"
#include "qt/platform/qt_key_store.h"
#include "qt/platform/qt_scheduler.h"
#include "sim/simulated_serial_port.h"
#include "ui/window/qavi_window.h"

namespace qavi::app {

namespace {

// The simulated engine warms up this many times faster than a real one, so
// the reducer is hot long before the first rev of the drive cycle (about 13 s
// in), when the controller changes over to gas.
constexpr double kTimeScale = 20.0;
// Real seconds the demo may take at most to reach gas; past this the pictures
// are taken anyway (and the run says so).
constexpr int kMaxWaitMs = 25000;
// After the change-over: a few more live frames so the dashboard shows gas times.
constexpr int kSettleMs = 2500;

constexpr std::array<const char*, 8> kLanguages{"PolskiPL", "AngielskiGB", "NiemieckiDE", "Russian",
                                                "Ceski",    "Turkish",     "Thai",        "Greek"};

// Nobody is there to answer a dialog: messages go to the log, questions are declined.
class UnattendedDialogs : public platform::Dialogs {
public:
    void message(const std::string& text) override { std::cerr << "message: " << text << '\n'; }
    bool question(const std::string& text) override {
        std::cerr << "question (answered no): " << text << '\n';
        return false;
    }
    std::optional<std::string> openFileName(const std::string&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const std::string&) override { return std::nullopt; }
};

// Link labels must not start a browser while pictures are taken.
class NoShell : public platform::Shell {
public:
    bool openAddress(const std::string&) override { return false; }
};

void runEventsFor(int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

// Runs the program until the simulated controller is on gas and the window
// has caught up; false when it did not get there in time.
bool waitForGas(sim::SimulatedSerialPort& port) {
    QDeadlineTimer deadline(kMaxWaitMs);
    while (!deadline.hasExpired()) {
        runEventsFor(100);
        if (port.model().onGas()) {
            runEventsFor(kSettleMs);
            return true;
        }
    }
    return false;
}

bool knownLanguage(const QString& name) {
    for (const char* language : kLanguages)
        if (name == QLatin1String(language)) return true;
    return false;
}

}  // namespace

int runDemoScreenshots(const DemoShotOptions& options) {
    if (!options.language.isEmpty() && !knownLanguage(options.language)) {
        std::cerr << "unknown language: " << options.language.toStdString() << " (one of";
        for (const char* language : kLanguages) std::cerr << ' ' << language;
        std::cerr << ")\n";
        return 2;
    }

    // The language choice and port settings are stored as the program runs;
    // they go to a throw-away place, never into the user's own settings.
    QTemporaryDir home;
    if (!home.isValid()) {
        std::cerr << "cannot create a temporary settings directory\n";
        return 1;
    }
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());

    qt::QtScheduler scheduler;
    qt::QtKeyStore keys(home.path() + "/QAVI.ini");
    qt::QtClock clock;
    qt::QtLocale locale;
    UnattendedDialogs dialogs;
    NoShell shell;
    qt::QtScreen screen;
    sim::ModelOptions model;
    model.timeScale = kTimeScale;
    sim::SimulatedSerialPort port(scheduler, model);
    platform::Platform platform{port, scheduler, keys, clock, locale, dialogs, shell, screen};

    ui::QaviWindow core(platform);
    qt::MainWindow window(core.form);
    core.FormCreate();
    if (!options.language.isEmpty()) core.language.applyStoredLanguage(options.language.toStdString());
    window.show();
    core.link.connectTo(sim::SimulatedSerialPort::kPortName);

    if (!waitForGas(port)) std::cerr << "the simulated controller did not change over to gas in time\n";

    QStringList files;
    if (options.allLanguages) {
        for (const char* language : kLanguages) {
            core.language.applyStoredLanguage(language);
            runEventsFor(300);
            files << renderPages(window, options.directory, {&core.form.TabSheet1, &core.form.TabSheet9},
                                 QString::fromLatin1(language) + "_");
        }
    } else {
        files << renderScreenshots(window, options.directory);
    }
    QTextStream out(stdout);
    for (const QString& file : files) out << file << '\n';
    return files.isEmpty() ? 1 : 0;
}

}  // namespace qavi::app
