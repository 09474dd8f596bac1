#pragma once

#include <QMainWindow>
#include <map>
#include <string>

#include "ui/form/form.h"

class QLabel;
class QMenu;
class QAction;

namespace qavi::qt {

// The window TQAVI: one real widget per model control, built generically by
// kind and kept in step with the model. It holds no behaviour of its own.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(ui::Form& form, QWidget* parent = nullptr);
    ~MainWindow() override;

    ui::Form& form() const { return form_; }
    // The widget (or menu action) made for the named component, if any.
    QWidget* widgetFor(const std::string& name) const;
    QAction* actionFor(const std::string& name) const;
    QMenu* menuFor(const std::string& name) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildWidgets();
    void buildStatusBar();
    void buildMenus();
    void rebuildMenu(ui::MenuItem& item);
    void refreshAction(ui::MenuItem& item);
    void refreshWindow();

    ui::Form& form_;
    std::map<const ui::Control*, QWidget*> widgets_;
    std::map<const ui::MenuItem*, QMenu*> menus_;
    std::map<const ui::MenuItem*, QAction*> actions_;
    QLabel* statusPanels_[2] = {nullptr, nullptr};
    bool minimizeButton_ = true;
};

}  // namespace qavi::qt
