// Renders every page of the window to PNG files without a display:
//   qavi-screenshots <directory>
//       sample data put straight into the window's model;
//   qavi-screenshots --demo [--lang NAME] <directory>
//       the whole program connected to the simulated controller, once it is on gas;
//   qavi-screenshots --all-languages <directory>
//       as --demo, the dashboard with two pages in each language.
// Run with QT_QPA_PLATFORM=offscreen, or on an X server for the desktop's font fallback.

#include <QApplication>
#include <QTextStream>
#include <iostream>

#include "app/demo_screenshots.h"
#include "app/screenshots.h"
#include "qt/main_window.h"
#include "ui/form/form.h"

namespace {

int sampleScreenshots(const QString& directory) {
    qavi::ui::Form form;
    qavi::qt::MainWindow window(form);
    qavi::app::fillSampleData(form);
    window.show();
    const QStringList files = qavi::app::renderScreenshots(window, directory);
    QTextStream out(stdout);
    for (const QString& file : files) out << file << '\n';
    return files.isEmpty() ? 1 : 0;
}

int usage() {
    std::cerr << "usage: qavi-screenshots [--demo] [--lang NAME] [--all-languages] [DIRECTORY]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("QAVI");

    bool demo = false;
    qavi::app::DemoShotOptions options;
    QString directory;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--demo") {
            demo = true;
        } else if (args[i] == "--all-languages") {
            demo = true;
            options.allLanguages = true;
        } else if (args[i] == "--lang" && i + 1 < args.size()) {
            demo = true;
            options.language = args[++i];
        } else if (args[i].startsWith("-") || !directory.isEmpty()) {
            return usage();
        } else {
            directory = args[i];
        }
    }
    if (directory.isEmpty()) directory = QStringLiteral("screenshots");
    if (!demo) return sampleScreenshots(directory);
    options.directory = directory;
    return qavi::app::runDemoScreenshots(options);
}
