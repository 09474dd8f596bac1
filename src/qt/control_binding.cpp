#include "qt/control_binding.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "qt/widgets/chart_view.h"
#include "qt/widgets/decoration.h"
#include "qt/widgets/gauges.h"
#include "qt/widgets/input_controls.h"
#include "qt/widgets/lamps.h"
#include "qt/widgets/map_grid_view.h"
#include "qt/widgets/mini_trend.h"
#include "qt/widgets/painting.h"
#include "qt/widgets/spin_widgets.h"
#include "ui/form/form.h"

namespace qavi::qt {

using look::qs;
using look::toQColor;

namespace {

// Mouse and focus events of any widget go to the model's generic handlers;
// for plain components (panels, labels, pictures, charts) a release over the
// widget is also their click.
class GestureFilter : public QObject {
public:
    GestureFilter(ui::Control& control, bool clickOnRelease, QObject* parent)
        : QObject(parent), control_(control), clickOnRelease_(clickOnRelease) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseMove:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease: {
                auto* widget = qobject_cast<QWidget*>(watched);
                auto* m = static_cast<QMouseEvent*>(e);
                // A mouse event a child ignores travels on to its parent; it
                // belongs to the innermost control only.
                if (isRepeat(m)) break;
                QPoint pos = m->position().toPoint();
                if (widget && widget != owner()) pos = widget->mapTo(owner(), pos);
                const ui::MouseEvent event{pos.x(), pos.y(),
                                           e->type() == QEvent::MouseMove ? (m->buttons() & Qt::LeftButton) != 0
                                                                          : m->button() == Qt::LeftButton};
                if (e->type() == QEvent::MouseMove) {
                    control_.userMouseMove(event);
                } else if (e->type() == QEvent::MouseButtonPress) {
                    control_.userMouseDown(event);
                } else {
                    control_.userMouseUp(event);
                    if (clickOnRelease_ && event.leftButton && owner()->rect().contains(pos)) control_.userClick();
                }
                break;
            }
            case QEvent::FocusIn:
                if (movesWithinWindow(e)) control_.userEnter();
                break;
            case QEvent::FocusOut:
                if (movesWithinWindow(e)) control_.userExit();
                break;
            default:
                break;
        }
        return false;
    }

private:
    // Entering and leaving a control means focus moving between controls: a
    // combo's drop-down list opening, or another window (a message box)
    // taking the focus, leaves the control where it is.
    static bool movesWithinWindow(const QEvent* e) {
        const Qt::FocusReason reason = static_cast<const QFocusEvent*>(e)->reason();
        return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
    }
    static bool isRepeat(const QMouseEvent* m) {
        struct Seen {
            const QEvent* event = nullptr;
            quint64 timestamp = 0;
            QEvent::Type type = QEvent::None;
            QPointF global;
        };
        static Seen last;
        const Seen now{m, m->timestamp(), m->type(), m->globalPosition()};
        const bool repeat = now.event == last.event && now.timestamp == last.timestamp && now.type == last.type &&
                            now.global == last.global;
        last = now;
        return repeat;
    }
    QWidget* owner() const { return static_cast<QWidget*>(parent()); }
    ui::Control& control_;
    bool clickOnRelease_;
};

// Applies what every control has: visibility, enabled state, hint, geometry.
void applyCommon(const ui::Control& c, QWidget* w) {
    const ui::Rect r = c.geometry();
    if (r != ui::Rect{} && c.kind() != ui::Kind::TabSheet) {
        const QRect g(r.x, r.y, r.w, r.h);
        if (w->geometry() != g) w->setGeometry(g);
    }
    if (c.kind() != ui::Kind::TabSheet && w->isVisibleTo(w->parentWidget()) != c.visible()) w->setVisible(c.visible());
    if (w->isEnabledTo(w->parentWidget()) != c.enabled()) w->setEnabled(c.enabled());
    if (c.kind() != ui::Kind::Grid) {
        const QString hint = qs(c.hint());
        if (w->toolTip() != hint) w->setToolTip(hint);
    }
}

// Runs `refresh` now and on every change of the model.
void bindControl(ui::Control& c, QWidget* w, std::function<void()> refresh, bool clickOnRelease) {
    w->setObjectName(qs(c.name()));
    w->setAccessibleName(qs(c.name()));
    auto* filter = new GestureFilter(c, clickOnRelease, w);
    w->installEventFilter(filter);
    if (w->focusProxy()) w->focusProxy()->installEventFilter(filter);
    // Scroll areas (charts, the grid) get their mouse through the viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) area->viewport()->installEventFilter(filter);
    auto update = [&c, w, refresh = std::move(refresh)] {
        applyCommon(c, w);
        refresh();
    };
    QObject::connect(w, &QObject::destroyed, [&c] { c.setObserver(nullptr); });
    c.setObserver(update);
    update();
}

// Refreshes coalesced to one per event-loop turn: charts and the grid are
// written in bursts (one series or cell at a time) and redrawn once.
std::function<void()> deferred(QWidget* w, std::function<void()> refresh) {
    auto pending = std::make_shared<bool>(false);
    return [w, pending, refresh = std::move(refresh)] {
        if (*pending) return;
        *pending = true;
        QTimer::singleShot(0, w, [pending, refresh] {
            *pending = false;
            refresh();
        });
    };
}

void setTextColour(QWidget* w, QPalette::ColorRole role, ui::Color c, ui::Color ignore) {
    QPalette pal = w->palette();
    const QColor wanted = c == ignore ? QWidget().palette().color(role) : toQColor(c);
    if (pal.color(role) != wanted) {
        pal.setColor(role, wanted);
        w->setPalette(pal);
    }
}

QWidget* createPlain(ui::Control& c, QWidget* parent) {
    switch (c.kind()) {
        case ui::Kind::GroupBox: {
            auto* box = new QGroupBox(parent);
            bindControl(
                c, box, [&c, box] { box->setTitle(qs(c.caption())); }, true);
            return box;
        }
        case ui::Kind::Label: {
            auto* label = new QLabel(parent);
            // A label as tall as a paragraph holds centred, wrapped text.
            if (c.geometry().h > 30) {
                label->setAlignment(Qt::AlignCenter);
                label->setWordWrap(true);
            }
            if (c.onClick) label->setCursor(Qt::PointingHandCursor);
            label->setMouseTracking(true);
            bindControl(
                c, label,
                [&c, label] {
                    label->setText(qs(c.caption()));
                    setTextColour(label, QPalette::WindowText, c.fontColor(), ui::colors::kWindowText);
                },
                true);
            return label;
        }
        case ui::Kind::Image: {
            auto* picture = new PictureWidget(c, parent);
            bindControl(
                c, picture, [picture] { picture->update(); }, true);
            return picture;
        }
        case ui::Kind::PaintBox: {
            // Transparent: it only catches the mouse over the chart beneath.
            auto* box = new QWidget(parent);
            box->setMouseTracking(true);
            bindControl(
                c, box, [] {}, true);
            return box;
        }
        default: {
            auto* panel = new PanelWidget(c, parent);
            panel->setMouseTracking(true);
            bindControl(
                c, panel, [panel] { panel->update(); }, true);
            return panel;
        }
    }
}

QWidget* createButton(ui::Control& c, QWidget* parent) {
    const auto& flags = c.form().flagButtons;
    if (std::find(flags.begin(), flags.end(), &c) != flags.end()) {
        auto* flag = new FlagButton(c, parent);
        QObject::connect(flag, &QAbstractButton::clicked, [&c] { c.userClick(); });
        bindControl(
            c, flag, [flag] { flag->update(); }, false);
        return flag;
    }
    auto* button = new QPushButton(parent);
    QObject::connect(button, &QPushButton::clicked, [&c] { c.userClick(); });
    bindControl(
        c, button, [&c, button] { button->setText(qs(c.caption())); }, false);
    return button;
}

QWidget* createCheckBox(ui::CheckBox& c, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    auto refresh = [&c, box] {
        box->setText(qs(c.caption()));
        box->setChecked(c.checked());
    };
    QObject::connect(box, &QCheckBox::clicked, [&c, refresh] {
        c.userClick();
        refresh();
    });
    bindControl(c, box, refresh, false);
    return box;
}

QWidget* createRadioButton(ui::RadioButton& c, QWidget* parent) {
    auto* radio = new QRadioButton(parent);
    // The model keeps the siblings exclusive; Qt must not do it a second time.
    radio->setAutoExclusive(false);
    auto refresh = [&c, radio] {
        radio->setText(qs(c.caption()));
        radio->setChecked(c.checked());
    };
    QObject::connect(radio, &QRadioButton::clicked, [&c, refresh] {
        c.userClick();
        refresh();
    });
    bindControl(c, radio, refresh, false);
    return radio;
}

QWidget* createComboBox(ui::ComboBox& c, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(c.editable());
    combo->setInsertPolicy(QComboBox::NoInsert);
    auto refresh = [&c, combo] {
        const QSignalBlocker block(combo);
        if (combo->isEditable() != c.editable()) combo->setEditable(c.editable());
        bool same = combo->count() == static_cast<int>(c.items().size());
        for (int i = 0; same && i < combo->count(); ++i) {
            same = combo->itemText(i) == qs(c.items()[static_cast<std::size_t>(i)]);
        }
        if (!same) {
            combo->clear();
            for (const auto& item : c.items()) combo->addItem(qs(item));
        }
        combo->setCurrentIndex(c.itemIndex());
        if (c.editable() && combo->currentText() != qs(c.text())) combo->setEditText(qs(c.text()));
        // A text longer than the box shows its beginning, not its tail.
        if (combo->lineEdit() && !combo->lineEdit()->hasFocus()) combo->lineEdit()->setCursorPosition(0);
    };
    QObject::connect(combo, &QComboBox::activated, [&c, refresh](int index) {
        c.userSelect(index);
        refresh();
    });
    bindControl(c, combo, refresh, false);
    return combo;
}

QWidget* createEdit(ui::Edit& c, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    auto refresh = [&c, edit] {
        if (edit->text() != qs(c.text())) edit->setText(qs(c.text()));
        edit->setReadOnly(c.readOnly());
        edit->setMaxLength(c.maxLength() > 0 ? c.maxLength() : 32767);
        if (edit->font().bold() != c.bold()) {
            QFont f = edit->font();
            f.setBold(c.bold());
            edit->setFont(f);
        }
        setTextColour(edit, QPalette::Base, c.color(), ui::colors::kButtonFace);
        setTextColour(edit, QPalette::Text, c.fontColor(), ui::colors::kWindowText);
    };
    edit->setAlignment(c.bold() ? Qt::AlignCenter : Qt::AlignLeft);
    QObject::connect(edit, &QLineEdit::textEdited, [&c](const QString& text) { c.userSetText(text.toStdString()); });
    bindControl(c, edit, refresh, false);
    return edit;
}

QWidget* createMemo(ui::Memo& c, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto refresh = [&c, memo] {
        QString text = qs(c.text());
        text.replace("\r\n", "\n");
        if (memo->toPlainText() != text) memo->setPlainText(text);
        memo->setReadOnly(c.readOnly());
        setTextColour(memo, QPalette::Base, c.color(), ui::colors::kButtonFace);
    };
    bindControl(c, memo, refresh, false);
    return memo;
}

namespace {

// How the page tabs give way when the captions of a language do not fit the
// window's width: narrower padding first, then a smaller font. Scroll arrows
// would hide pages a fitter is looking for.
struct PageTabFit {
    int padding;
    qreal pointDelta;
};
constexpr PageTabFit kPageTabFits[] = {{9, 0}, {6, 0}, {4, 0}, {4, -1}, {3, -1.5}, {2, -2}};
constexpr int kPageTabBorder = 1;
constexpr int kPageTabMarginRight = 2;

QString pageTabStyle(int padding) {
    return QString(
               "QTabBar::tab { height: 19px; padding: 0 %1px; margin: 2px %2px 1px 0; border: %3px solid #c4ccd4;"
               " border-radius: 3px; background: #f4f6f8; }"
               "QTabBar::tab:hover { background: #dceafb; border-color: #7fa9de; }"
               "QTabBar::tab:selected { background: #2f6fd0; border-color: #2a5fb0; color: white; }")
        .arg(padding)
        .arg(kPageTabMarginRight)
        .arg(kPageTabBorder);
}

// Picks the first fit in which every visible tab is in view and applies it.
// The width is the model's: the widget may not have its geometry yet.
void fitPageTabs(QTabWidget* tabs, int width) {
    QTabBar* bar = tabs->tabBar();
    const QFont base = tabs->font();
    const int available = width - 4;
    for (const PageTabFit& fit : kPageTabFits) {
        QFont font = base;
        if (fit.pointDelta != 0 && base.pointSizeF() > 0) font.setPointSizeF(base.pointSizeF() + fit.pointDelta);
        const QFontMetrics metrics(font);
        int total = 0;
        for (int i = 0; i < bar->count(); ++i) {
            if (!bar->isTabVisible(i)) continue;
            total +=
                metrics.horizontalAdvance(bar->tabText(i)) + 2 * (fit.padding + kPageTabBorder) + kPageTabMarginRight;
        }
        if (total <= available || &fit == &kPageTabFits[std::size(kPageTabFits) - 1]) {
            if (bar->property("qaviTabPadding").toInt() != fit.padding || bar->font() != font) {
                bar->setProperty("qaviTabPadding", fit.padding);
                bar->setStyleSheet(pageTabStyle(fit.padding));
                bar->setFont(font);
            }
            return;
        }
    }
}

}  // namespace

QWidget* createPageControl(ui::PageControl& c, QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    if (&c == &c.form().tab_control) {
        // The page tabs are flat buttons that light up under the mouse; they
        // are also lower than the style's tabs, which leaves the pages their room.
        tabs->tabBar()->setStyleSheet(pageTabStyle(kPageTabFits[0].padding));
        tabs->tabBar()->setDrawBase(false);
    } else {
        tabs->setTabPosition(QTabWidget::West);
        tabs->setUsesScrollButtons(false);
    }
    QObject::connect(tabs, &QTabWidget::currentChanged, [&c](int index) {
        const auto& pages = c.pages();
        if (index >= 0 && index < static_cast<int>(pages.size()) &&
            pages[static_cast<std::size_t>(index)] != c.activePage()) {
            c.userSelectPage(pages[static_cast<std::size_t>(index)]);
        }
    });
    bindControl(
        c, tabs,
        [&c, tabs] {
            const QSignalBlocker block(tabs);
            if (c.activePageIndex() < tabs->count()) tabs->setCurrentIndex(c.activePageIndex());
        },
        false);
    return tabs;
}

QWidget* createTabSheet(ui::TabSheet& c, QWidget* parent) {
    auto* tabs = qobject_cast<QTabWidget*>(parent);
    auto* page = new QWidget;
    page->setAutoFillBackground(false);
    const int index = tabs ? tabs->addTab(page, qs(c.caption())) : -1;
    bindControl(
        c, page,
        [&c, tabs, index, page] {
            if (!tabs) return;
            const QSignalBlocker block(tabs);
            tabs->setTabText(index, qs(c.caption()));
            tabs->setTabVisible(index, c.tabVisible());
            tabs->setTabEnabled(index, c.enabled());
            // Re-applies the model's active page: showing a tab may have moved Qt's current index.
            auto* control = static_cast<ui::PageControl*>(c.parent());
            if (control && control->activePageIndex() >= 0) tabs->setCurrentIndex(control->activePageIndex());
            if (control == &c.form().tab_control) fitPageTabs(tabs, control->geometry().w);
            (void)page;
        },
        false);
    return page;
}

QWidget* createSpin(ui::Spin& c, QWidget* parent) {
    auto* spin = new SpinWidget(c, parent);
    QObject::connect(spin, &SpinWidget::stepRequested, [&c](int steps) { c.userStep(steps); });
    QObject::connect(spin, &SpinWidget::valueTyped, [&c](double v) { c.userSetValue(v); });
    bindControl(
        c, spin, [spin] { spin->sync(); }, false);
    return spin;
}

QWidget* createDatePicker(ui::DatePicker& c, QWidget* parent) {
    auto* picker = new QDateEdit(parent);
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    picker->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    bindControl(
        c, picker,
        [&c, picker] {
            const QSignalBlocker block(picker);
            picker->setDate(QDate(c.date().year, c.date().month, c.date().day));
        },
        false);
    return picker;
}

QWidget* createProgressBar(ui::ProgressBar& c, QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bindControl(
        c, bar,
        [&c, bar] {
            bar->setRange(c.minimum, c.maximum);
            bar->setValue(c.position());
        },
        false);
    return bar;
}

QWidget* createChart(ui::Chart& c, QWidget* parent) {
    auto* view = new ChartView(c, parent);
    view->setMouseTracking(true);
    view->viewport()->setMouseTracking(true);
    QObject::connect(view, &ChartView::pointClicked, [&c](int series, int point) {
        if (c.onClickSeries) c.onClickSeries(static_cast<std::size_t>(series), static_cast<std::size_t>(point));
    });
    bindControl(c, view, deferred(view, [view] { view->sync(); }), true);
    return view;
}

QWidget* createGrid(ui::Grid& c, QWidget* parent) {
    auto* grid = new MapGridView(c, parent);
    QObject::connect(grid, &MapGridView::cellPressed, [&c](int col, int row) {
        c.userSelect(ui::Grid::Selection{col, row, col, row});
    });
    QObject::connect(grid, &MapGridView::rangeDragged, [&c](ui::Grid::Selection s) { c.setSelection(s); });
    QObject::connect(grid, &MapGridView::scrolled, [&c](int left, int top) { c.scrollTo(left, top); });
    bindControl(c, grid, deferred(grid, [grid] { grid->sync(); }), false);
    return grid;
}

QWidget* createSignal(ui::Control& c, QWidget* parent) {
    auto& signal = static_cast<ui::SignalControl&>(c);
    SignalWidget* w = nullptr;
    switch (c.kind()) {
        case ui::Kind::Bar:
            w = new BarGauge(signal, parent);
            break;
        case ui::Kind::Meter:
            w = new MeterGauge(signal, parent);
            break;
        case ui::Kind::DialGauge:
            w = new DialGauge(static_cast<ui::DisplayGauge&>(c), parent);
            break;
        case ui::Kind::Thermometer:
            w = new Thermometer(signal, parent);
            break;
        case ui::Kind::ValueIndicator:
            w = new ValueIndicator(signal, parent);
            break;
        case ui::Kind::InputDial:
        case ui::Kind::Slider: {
            auto& input = static_cast<ui::InputControl&>(c);
            InputWidget* iw = nullptr;
            if (c.kind() == ui::Kind::InputDial) {
                iw = new InputDial(input, parent);
            } else {
                iw = new VerticalSlider(input, parent);
            }
            QObject::connect(iw, &InputWidget::digitalRequested, [&input](int d) { input.userSetDigitalValue(d); });
            QObject::connect(iw, &InputWidget::released, [&input] { input.userRelease(); });
            w = iw;
            break;
        }
        default:
            return nullptr;
    }
    bindControl(
        c, w, [w] { w->update(); }, false);
    return w;
}

}  // namespace

QWidget* createBoundWidget(ui::Control& c, QWidget* parent) {
    switch (c.kind()) {
        case ui::Kind::Window:
        case ui::Kind::StatusBar:
        case ui::Kind::MenuItem:
            return nullptr;
        case ui::Kind::Panel:
        case ui::Kind::GroupBox:
        case ui::Kind::Label:
        case ui::Kind::Image:
        case ui::Kind::PaintBox:
            return createPlain(c, parent);
        case ui::Kind::Button:
            return createButton(c, parent);
        case ui::Kind::CheckBox:
            return createCheckBox(static_cast<ui::CheckBox&>(c), parent);
        case ui::Kind::RadioButton:
            return createRadioButton(static_cast<ui::RadioButton&>(c), parent);
        case ui::Kind::ComboBox:
            return createComboBox(static_cast<ui::ComboBox&>(c), parent);
        case ui::Kind::Edit:
            return createEdit(static_cast<ui::Edit&>(c), parent);
        case ui::Kind::Memo:
            return createMemo(static_cast<ui::Memo&>(c), parent);
        case ui::Kind::Spin:
            return createSpin(static_cast<ui::Spin&>(c), parent);
        case ui::Kind::DatePicker:
            return createDatePicker(static_cast<ui::DatePicker&>(c), parent);
        case ui::Kind::ProgressBar:
            return createProgressBar(static_cast<ui::ProgressBar&>(c), parent);
        case ui::Kind::Chart:
            return createChart(static_cast<ui::Chart&>(c), parent);
        case ui::Kind::Grid:
            return createGrid(static_cast<ui::Grid&>(c), parent);
        case ui::Kind::PageControl:
            return createPageControl(static_cast<ui::PageControl&>(c), parent);
        case ui::Kind::TabSheet:
            return createTabSheet(static_cast<ui::TabSheet&>(c), parent);
        case ui::Kind::SpinButton: {
            auto& model = static_cast<ui::SpinButton&>(c);
            auto* buttons = new SpinButtonWidget(model, parent);
            QObject::connect(buttons, &SpinButtonWidget::upClicked, [&model] { model.userUp(); });
            QObject::connect(buttons, &SpinButtonWidget::downClicked, [&model] { model.userDown(); });
            bindControl(
                c, buttons, [] {}, false);
            return buttons;
        }
        case ui::Kind::Led: {
            auto& model = static_cast<ui::Led&>(c);
            auto* led = new LedWidget(model, parent);
            QObject::connect(led, &LedWidget::clicked, [&model] { model.userClick(); });
            bindControl(
                c, led, [led] { led->sync(); }, false);
            return led;
        }
        case ui::Kind::Switch: {
            auto& model = static_cast<ui::Switch&>(c);
            auto* sw = new SwitchWidget(model, parent);
            QObject::connect(sw, &SwitchWidget::clicked, [&model] { model.userClick(); });
            bindControl(
                c, sw, [sw] { sw->update(); }, false);
            return sw;
        }
        case ui::Kind::MiniTrend: {
            auto* trend = new MiniTrendWidget(static_cast<ui::MiniTrend&>(c), parent);
            bindControl(
                c, trend, [trend] { trend->update(); }, false);
            return trend;
        }
        case ui::Kind::Bar:
        case ui::Kind::Meter:
        case ui::Kind::DialGauge:
        case ui::Kind::Thermometer:
        case ui::Kind::ValueIndicator:
        case ui::Kind::InputDial:
        case ui::Kind::Slider:
            return createSignal(c, parent);
    }
    return nullptr;
}

}  // namespace qavi::qt
