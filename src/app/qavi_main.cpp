// The composition root: the platform (the desktop's, or the desktop's with the
// simulated controller on the line for --demo), the window object that owns
// the model and every part, and last the Qt window that shows it all.

#include <QApplication>
#include <algorithm>
#include <iostream>
#include <memory>

#include "cli/command_line.h"
#include "qt/main_window.h"
#include "qt/platform/qt_platform.h"
#include "sim/simulated_serial_port.h"
#include "ui/window/qavi_window.h"

namespace {

// The arguments after the program's name.
std::vector<std::string> argumentsOf(const QStringList& list) {
    std::vector<std::string> args;
    for (qsizetype i = 1; i < list.size(); ++i) args.push_back(list[i].toStdString());
    return args;
}

// The demo controller warms up faster than a real engine so the change-over
// to gas shows within a minute.
constexpr double kDemoTimeScale = 8.0;

}  // namespace

int main(int argc, char** argv) {
    // Help, version and our own bad options are answered before Qt needs a
    // display (over SSH there may be none). Qt's own options start with a
    // single dash; with one of those present, Qt takes them out first.
    const bool qtOptions = std::any_of(argv + 1, argv + argc, [](const char* a) { return a[0] == '-' && a[1] != '-'; });
    if (const auto early = qavi::cli::parseCommandLine(argc, argv);
        early.action != qavi::cli::CommandLine::Action::Run &&
        (early.action != qavi::cli::CommandLine::Action::Fail || !qtOptions)) {
        return qavi::cli::reportCommandLine(early, "qavi", std::cout, std::cerr);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("QAVI");

    // Qt has taken its own options out of the list by now.
    const auto commandLine = qavi::cli::parseCommandLine(argumentsOf(QCoreApplication::arguments()));
    if (commandLine.action != qavi::cli::CommandLine::Action::Run) {
        return qavi::cli::reportCommandLine(commandLine, "qavi", std::cout, std::cerr);
    }

    qavi::qt::QtPlatform desktop;
    std::unique_ptr<qavi::sim::SimulatedSerialPort> simulated;
    qavi::platform::SerialPort* serial = &desktop.serial;
    if (commandLine.demo) {
        qavi::sim::ModelOptions model;
        model.timeScale = kDemoTimeScale;
        simulated = std::make_unique<qavi::sim::SimulatedSerialPort>(desktop.scheduler, model);
        serial = simulated.get();
    }
    qavi::platform::Platform platform{*serial,        desktop.scheduler, desktop.keys,  desktop.clock,
                                      desktop.locale, desktop.dialogs,   desktop.shell, desktop.screen};

    qavi::ui::QaviWindow core(platform);
    qavi::qt::MainWindow window(core.form);
    desktop.dialogs.setParentWindow(&window);
    core.link.hooks.closeWindow = [&window] { window.close(); };

    core.FormCreate();
    window.show();
    if (commandLine.demo) {
        core.link.connectTo(qavi::sim::SimulatedSerialPort::kPortName);
    } else if (!commandLine.portName.empty()) {
        core.link.connectTo(commandLine.portName);
    }
    return QApplication::exec();
}
