// Renders every page of the window to PNG files without a display:
//   QT_QPA_PLATFORM=offscreen qavi-screenshots <directory>

#include <QApplication>
#include <QTextStream>

#include "app/screenshots.h"
#include "qt/main_window.h"
#include "ui/form/form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("QAVI");
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    qavi::ui::Form form;
    qavi::qt::MainWindow window(form);
    qavi::app::fillSampleData(form);
    window.show();
    const QStringList files = qavi::app::renderScreenshots(window, directory);
    QTextStream out(stdout);
    for (const QString& file : files) out << file << '\n';
    return files.isEmpty() ? 1 : 0;
}
