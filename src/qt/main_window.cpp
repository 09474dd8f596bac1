#include "qt/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>

#include "qt/control_binding.h"
#include "qt/widgets/decoration.h"
#include "qt/widgets/painting.h"

namespace qavi::qt {

using look::qs;

namespace {

QIcon flagIcon(const QString& language, qreal dpr) {
    QPixmap pixmap(QSize(20, 14) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintFlag(p, QRectF(0, 0, 20, 14), language);
    return QIcon(pixmap);
}

}  // namespace

MainWindow::MainWindow(ui::Form& form, QWidget* parent) : QMainWindow(parent), form_(form) {
    setObjectName(qs(form_.QAVI.name()));
    setAccessibleName(qs(form_.QAVI.name()));
    auto* client = new QWidget(this);
    client->setObjectName("client");
    const ui::Rect panel = form_.Panel1Gora.geometry();
    client->setFixedSize(panel.w, panel.h);
    setCentralWidget(client);
    widgets_[&form_.QAVI] = client;

    buildWidgets();
    buildStatusBar();
    buildMenus();

    // Outer size from the model, the client area as laid out; centred at start.
    const ui::Rect outer = form_.QAVI.geometry();
    resize(outer.w - 8, menuBar()->sizeHint().height() + panel.h + statusBar()->sizeHint().height());
    setMinimumSize(size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        form_.QAVI.moveTo(area.x() + (area.width() - outer.w) / 2, area.y() + (area.height() - outer.h) / 2);
    }
    form_.QAVI.setObserver([this] { refreshWindow(); });
    refreshWindow();
}

MainWindow::~MainWindow() {
    // The form outlives the window; nothing may call into widgets being destroyed.
    for (ui::Control* c : form_.controls()) c->setObserver(nullptr);
}

void MainWindow::buildWidgets() {
    for (ui::Control* c : form_.controls()) {
        if (c == &form_.QAVI) continue;
        QWidget* parentWidget = centralWidget();
        if (c->parent()) {
            const auto it = widgets_.find(c->parent());
            if (it != widgets_.end()) parentWidget = it->second;
        }
        if (QWidget* w = createBoundWidget(*c, parentWidget)) widgets_[c] = w;
    }
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(qs(form_.StatusBar1.name()));
    bar->setAccessibleName(qs(form_.StatusBar1.name()));
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        statusPanels_[i] = new QLabel(bar);
        statusPanels_[i]->setObjectName(QString("StatusBar1_panel%1").arg(i));
        statusPanels_[i]->setContentsMargins(4, 0, 4, 0);
    }
    bar->addWidget(statusPanels_[0]);
    bar->addWidget(statusPanels_[1], 1);
    auto refresh = [this, bar] {
        const auto& panels = form_.StatusBar1.panels();
        for (std::size_t i = 0; i < 2 && i < panels.size(); ++i) {
            QLabel* label = statusPanels_[i];
            label->setText(qs(panels[i].text));
            if (panels[i].width > 0) label->setFixedWidth(panels[i].width);
            // An owner-drawn panel shows nothing of its text.
            label->setVisible(!panels[i].ownerDrawn);
        }
        bar->setProperty("panel0Text", statusPanels_[0]->text());
        bar->setProperty("panel1Text", statusPanels_[1]->text());
        bar->setProperty("panel1Shown", !panels.at(1).ownerDrawn);
    };
    form_.StatusBar1.setObserver(refresh);
    widgets_[&form_.StatusBar1] = bar;
    refresh();
}

void MainWindow::buildMenus() {
    menuBar()->setObjectName(qs(form_.MainMenu1.name()));
    for (ui::Control* c : form_.controls()) {
        if (c->kind() != ui::Kind::MenuItem || c == &form_.MainMenu1) continue;
        auto* item = static_cast<ui::MenuItem*>(c);
        item->setObserver([this, item] {
            if (menus_.count(item)) rebuildMenu(*item);
            refreshAction(*item);
        });
    }
    form_.MainMenu1.setObserver([this] {
        for (ui::MenuItem* top : form_.MainMenu1.children()) rebuildMenu(*top);
    });
    for (ui::MenuItem* top : form_.MainMenu1.children()) {
        QMenu* menu = menuBar()->addMenu(qs(top->caption()));
        menu->setObjectName(qs(top->name()));
        menus_[top] = menu;
        rebuildMenu(*top);
    }
}

// A menu's children may come and go at run time (the port list): the menu is
// rebuilt from the model. Old actions are deleted later, as one of them may be
// the one whose click is being handled.
void MainWindow::rebuildMenu(ui::MenuItem& item) {
    QMenu* menu = menus_.at(&item);
    menu->setTitle(qs(item.caption()));
    menu->menuAction()->setVisible(item.visible());
    menu->setEnabled(item.enabled());
    for (QAction* old : menu->actions()) {
        menu->removeAction(old);
        for (auto it = actions_.begin(); it != actions_.end(); ++it) {
            if (it->second == old) {
                actions_.erase(it);
                break;
            }
        }
        old->deleteLater();
    }
    const bool languages = &item == &form_.Jazyk;
    const qreal dpr = devicePixelRatioF();
    for (ui::MenuItem* child : item.children()) {
        auto* action = new QAction(qs(child->caption()), this);
        action->setObjectName(qs(child->name()));
        if (languages) action->setIcon(flagIcon(qs(child->name()), dpr));
        connect(action, &QAction::triggered, this, [this, child] {
            child->userClick();
            if (actions_.count(child)) refreshAction(*child);
        });
        menu->addAction(action);
        actions_[child] = action;
        refreshAction(*child);
    }
}

void MainWindow::refreshAction(ui::MenuItem& item) {
    if (menus_.count(&item)) {
        QMenu* menu = menus_.at(&item);
        menu->setTitle(qs(item.caption()));
        menu->menuAction()->setVisible(item.visible());
        menu->setEnabled(item.enabled());
    }
    const auto it = actions_.find(&item);
    if (it == actions_.end()) return;
    QAction* action = it->second;
    action->setText(qs(item.caption()));
    action->setCheckable(item.checked() || action->isCheckable());
    action->setChecked(item.checked());
    action->setVisible(item.visible());
    action->setEnabled(item.enabled());
}

void MainWindow::refreshWindow() {
    const ui::Window& w = form_.QAVI;
    setWindowTitle(qs(w.caption()));
    centralWidget()->setEnabled(w.enabled());
    if (minimizeButton_ != w.minimizeButton()) {
        minimizeButton_ = w.minimizeButton();
        const bool shown = isVisible();
        setWindowFlag(Qt::WindowMinimizeButtonHint, minimizeButton_);
        if (shown) show();
    }
    const ui::Rect g = w.geometry();
    if (pos() != QPoint(g.x, g.y)) move(g.x, g.y);
}

QWidget* MainWindow::widgetFor(const std::string& name) const {
    const ui::Control* c = form_.find(name);
    if (!c) return nullptr;
    const auto it = widgets_.find(c);
    return it == widgets_.end() ? nullptr : it->second;
}

QAction* MainWindow::actionFor(const std::string& name) const {
    for (const auto& [item, action] : actions_) {
        if (item->name() == name) return action;
    }
    return nullptr;
}

QMenu* MainWindow::menuFor(const std::string& name) const {
    for (const auto& [item, menu] : menus_) {
        if (item->name() == name) return menu;
    }
    return nullptr;
}

void MainWindow::paintEvent(QPaintEvent* e) {
    QMainWindow::paintEvent(e);
    if (form_.QAVI.onPaint) form_.QAVI.onPaint();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (form_.QAVI.onClose) form_.QAVI.onClose();
    e->accept();
}

}  // namespace qavi::qt
