// The composition root: the platform, the window's model, the core objects
// that bind the model's handlers, and last the window that shows it all.

#include <QApplication>

#include "qt/main_window.h"
#include "qt/platform/qt_platform.h"
#include "ui/form/form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("QAVI");

    qavi::qt::QtPlatform desktop;
    qavi::platform::Platform& platform = desktop.platform;

    qavi::ui::Form form;
    form.setSeparators(platform.locale.decimalSeparator(), platform.locale.thousandsSeparator());

    // Core objects go here; each binds its handlers on the form, e.g.
    //   qavi::link::LinkSession link(form, platform);

    qavi::qt::MainWindow window(form);
    desktop.dialogs.setParentWindow(&window);
    window.show();
    return QApplication::exec();
}
