#include <QApplication>

#include "qt/main_window.h"
#include "ui/form/form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("QAVI");
    qavi::ui::Form form;
    qavi::qt::MainWindow window(form);
    window.show();
    return QApplication::exec();
}
