#include "qt/main_window.h"

#include <QLabel>
#include <QStatusBar>

namespace qavi::qt {

MainWindow::MainWindow(ui::Form& form, QWidget* parent) : QMainWindow(parent), form_(form) {
    setObjectName(QString::fromStdString(form_.QAVI.name()));
    setWindowTitle(QString::fromStdString(form_.QAVI.caption()));
    setFixedSize(form_.QAVI.geometry().w, form_.QAVI.geometry().h - 54);
    auto* bar = statusBar();
    bar->setObjectName("StatusBar1");
    auto* panel0 = new QLabel(QString::fromStdString(form_.StatusBar1.panelText(0)), bar);
    panel0->setMinimumWidth(form_.StatusBar1.panels()[0].width);
    bar->addWidget(panel0);
}

}  // namespace qavi::qt
