#pragma once

#include <QMainWindow>

#include "ui/form/form.h"

namespace qavi::qt {

// The window TQAVI: for now its title and status bar; the widgets follow.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(ui::Form& form, QWidget* parent = nullptr);

private:
    ui::Form& form_;
};

}  // namespace qavi::qt
