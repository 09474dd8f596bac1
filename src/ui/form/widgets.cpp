#include "ui/form/widgets.h"

#include <algorithm>
#include <cmath>

#include "ui/form/form.h"
#include "ui/form/value_format.h"

namespace qavi::ui {

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Window: return "Window";
    case Kind::Panel: return "Panel";
    case Kind::GroupBox: return "GroupBox";
    case Kind::Label: return "Label";
    case Kind::Button: return "Button";
    case Kind::CheckBox: return "CheckBox";
    case Kind::RadioButton: return "RadioButton";
    case Kind::ComboBox: return "ComboBox";
    case Kind::Edit: return "Edit";
    case Kind::Memo: return "Memo";
    case Kind::Spin: return "Spin";
    case Kind::DatePicker: return "DatePicker";
    case Kind::ProgressBar: return "ProgressBar";
    case Kind::Chart: return "Chart";
    case Kind::Grid: return "Grid";
    case Kind::PageControl: return "PageControl";
    case Kind::TabSheet: return "TabSheet";
    case Kind::Image: return "Image";
    case Kind::PaintBox: return "PaintBox";
    case Kind::SpinButton: return "SpinButton";
    case Kind::Bar: return "Bar";
    case Kind::Meter: return "Meter";
    case Kind::DialGauge: return "DialGauge";
    case Kind::Thermometer: return "Thermometer";
    case Kind::ValueIndicator: return "ValueIndicator";
    case Kind::Led: return "Led";
    case Kind::Switch: return "Switch";
    case Kind::InputDial: return "InputDial";
    case Kind::Slider: return "Slider";
    case Kind::MiniTrend: return "MiniTrend";
    case Kind::StatusBar: return "StatusBar";
    case Kind::MenuItem: return "MenuItem";
    }
    return "?";
}

// ---- Control ------------------------------------------------------------

Control::Control(Form& form, std::string name, Kind kind, Control* parent, Rect geometry)
    : form_(form), name_(std::move(name)), kind_(kind), parent_(parent), geometry_(geometry) {
    form_.registerControl(*this);
}

void Control::setGeometry(Rect r) { assign(geometry_, r); }
void Control::setVisible(bool v) { assign(visible_, v); }
void Control::setEnabled(bool v) { assign(enabled_, v); }
void Control::setCaption(const std::string& text) { assign(caption_, text); }
void Control::setHint(const std::string& text) { assign(hint_, text); }
void Control::setColor(Color c) { assign(color_, c); }
void Control::setFontColor(Color c) { assign(fontColor_, c); }

bool Control::showing() const {
    for (const Control* c = this; c != nullptr; c = c->parent()) {
        if (!c->visible()) return false;
    }
    return true;
}

void Control::userClick() {
    if (onClick) onClick();
}
void Control::userMouseMove(MouseEvent e) {
    if (onMouseMove) onMouseMove(e);
}
void Control::userMouseDown(MouseEvent e) {
    if (onMouseDown) onMouseDown(e);
}
void Control::userMouseUp(MouseEvent e) {
    if (onMouseUp) onMouseUp(e);
}
void Control::userEnter() {
    if (onEnter) onEnter();
}
void Control::userExit() {
    if (onExit) onExit();
}

// ---- Check box and radio button -------------------------------------------

void CheckBox::setChecked(bool v) {
    if (checked_ == v) return;
    checked_ = v;
    changed();
    if (onClick) onClick();
}

void CheckBox::setCheckedSilently(bool v) { assign(checked_, v); }

void CheckBox::userClick() {
    if (!enabled()) return;
    setChecked(!checked_);
}

void RadioButton::uncheckSiblings() {
    for (Control* c : form().controls()) {
        if (c != this && c->parent() == parent() && c->kind() == Kind::RadioButton) {
            auto* sibling = static_cast<RadioButton*>(c);
            if (sibling->checked_) {
                sibling->checked_ = false;
                sibling->changed();
            }
        }
    }
}

void RadioButton::setChecked(bool v) {
    if (checked_ == v) return;
    checked_ = v;
    changed();
    if (v) {
        uncheckSiblings();
        if (onClick) onClick();
    }
}

void RadioButton::userClick() {
    if (!enabled()) return;
    if (checked_) {
        if (onClick) onClick();
        return;
    }
    setChecked(true);
}

// ---- Combo box --------------------------------------------------------------

void ComboBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = kNone;
    changed();
}

void ComboBox::replaceItem(int k, const std::string& text) {
    if (k < 0 || k >= static_cast<int>(items_.size())) return;
    assign(items_[static_cast<std::size_t>(k)], text);
}

void ComboBox::setItemIndex(int index) {
    if (index < kNone || index >= static_cast<int>(items_.size())) index = kNone;
    if (index == kNone && itemIndex_ != kNone) text_.clear();
    assign(itemIndex_, index);
}

std::string ComboBox::text() const {
    if (itemIndex_ != kNone) return items_[static_cast<std::size_t>(itemIndex_)];
    return text_;
}

void ComboBox::setText(const std::string& t) { assign(text_, t); }

void ComboBox::userSelect(int index) {
    if (!enabled()) return;
    setItemIndex(index);
    if (onChange) onChange();
}

// ---- Edit, memo ---------------------------------------------------------------

void Edit::setText(const std::string& t) { assign(text_, t); }

void Edit::userSetText(const std::string& t) {
    if (readOnly_ || !enabled()) return;
    std::string clipped = t;
    if (maxLength_ > 0 && static_cast<int>(clipped.size()) > maxLength_) {
        clipped.resize(static_cast<std::size_t>(maxLength_));
    }
    if (clipped == text_) return;
    setText(clipped);
    if (onChange) onChange();
}

void Memo::setText(const std::string& t) { assign(text_, t); }
void Memo::append(const std::string& t) {
    if (t.empty()) return;
    text_ += t;
    changed();
}

// ---- Spin ------------------------------------------------------------------------

double Spin::clampToLimits(double v) const {
    if (minimum && v < *minimum) v = *minimum;
    if (maximum && v > *maximum) v = *maximum;
    return v;
}

std::string Spin::text() const {
    return formatFloat(value_, format, form().decimalSeparator(), form().thousandsSeparator());
}

void Spin::setValue(double v) {
    v = clampToLimits(v);
    if (v == value_) return;
    const std::string before = text();
    value_ = v;
    changed();
    if (text() != before && onChange) onChange();
}

void Spin::userSetValue(double v) {
    if (!enabled()) return;
    const double before = value_;
    setValue(v);
    if (value_ != before && onValueChanged) onValueChanged();
}

void Spin::userStep(int steps) { userSetValue(value_ + increment * steps); }

// ---- Signal controls ----------------------------------------------------------

SignalControl::SignalControl(Form& form, std::string name, Kind kind, Control* parent, Rect geometry)
    : Control(form, std::move(name), kind, parent, geometry) {}

int SignalControl::digitalOf(double v) const {
    if (valueTo_ == valueFrom_) return digitalFrom_;
    const double d = (v - valueFrom_) * (digitalTo_ - digitalFrom_) / (valueTo_ - valueFrom_) + digitalFrom_;
    return static_cast<int>(std::lround(d));
}

double SignalControl::valueOfDigital(int d) const {
    if (digitalTo_ == digitalFrom_) return valueFrom_;
    return static_cast<double>(d - digitalFrom_) * (valueTo_ - valueFrom_) / (digitalTo_ - digitalFrom_) +
           valueFrom_;
}

int SignalControl::digitalValue() const { return digitalOf(value_); }

void SignalControl::setValueRange(double from, double to) {
    valueFrom_ = from;
    valueTo_ = to;
    changed();
}
void SignalControl::setValueTo(double to) { assign(valueTo_, to); }
void SignalControl::setDigitalRange(int from, int to) {
    digitalFrom_ = from;
    digitalTo_ = to;
    changed();
}
void SignalControl::setDigitalTo(int to) { assign(digitalTo_, to); }
void SignalControl::setName1(const std::string& t) { assign(name1_, t); }
void SignalControl::setName2(const std::string& t) { assign(name2_, t); }
void SignalControl::setUnit(const std::string& t) { assign(unit_, t); }
void SignalControl::setFormat(const std::string& f) { assign(format_, f); }

std::string SignalControl::valueText() const {
    return formatFloat(value_, format_, form().decimalSeparator(), form().thousandsSeparator());
}

void DisplayGauge::setValue(double v) { assign(value_, v); }

void DisplayGauge::setDialLook(int sectorOffset, int needleShape) {
    if (sectorOffset_ == sectorOffset && needleShape_ == needleShape) return;
    sectorOffset_ = sectorOffset;
    needleShape_ = needleShape;
    changed();
}

void InputControl::setValue(double v) {
    const int before = digitalValue();
    const double lo = std::min(valueFrom(), valueTo());
    const double hi = std::max(valueFrom(), valueTo());
    v = std::clamp(v, lo, hi);
    int d = digitalOf(v);
    d = std::clamp(d, std::min(digitalFrom(), digitalTo()), std::max(digitalFrom(), digitalTo()));
    const double snapped = valueOfDigital(d);
    if (snapped != value_) {
        value_ = snapped;
        changed();
    }
    if (digitalValue() != before && onValueChange) onValueChange();
}

void InputControl::setDigitalValue(int d) { setValue(valueOfDigital(d)); }

void InputControl::userSetValue(double v) {
    if (!enabled()) return;
    const int before = digitalValue();
    setValue(v);
    if (digitalValue() != before) userChangedSinceRelease_ = true;
}

void InputControl::userSetDigitalValue(int d) { userSetValue(valueOfDigital(d)); }

void InputControl::userStep(int digitalSteps) { userSetDigitalValue(digitalValue() + digitalSteps); }

void InputControl::userRelease() {
    if (!userChangedSinceRelease_) return;
    userChangedSinceRelease_ = false;
    if (onValueChanged) onValueChanged();
}

// ---- Switch, trend, spin buttons ------------------------------------------------

void Switch::userClick() {
    if (!enabled()) return;
    if (switchMode) {
        setChecked(!checked_);
        if (onStatusChanged) onStatusChanged();
    }
    if (onClick) onClick();
}

MiniTrend::MiniTrend(Form& form, std::string name, Control* parent, Rect geometry)
    : Control(form, std::move(name), Kind::MiniTrend, parent, geometry) {}

void MiniTrend::addSample(double channel1, double channel2) {
    const double values[2] = {channel1, channel2};
    for (int i = 0; i < 2; ++i) {
        auto& samples = channels[i].samples;
        samples.push_back(values[i]);
        if (samples.size() > kCapacity) samples.pop_front();
    }
    changed();
}

void MiniTrend::clearSamples() {
    channels[0].samples.clear();
    channels[1].samples.clear();
    changed();
}

void SpinButton::userUp() {
    if (enabled() && onUpClick) onUpClick();
}
void SpinButton::userDown() {
    if (enabled() && onDownClick) onDownClick();
}

// ---- Chart, grid ---------------------------------------------------------------

ChartSeries& Chart::seriesNamed(const std::string& name) {
    for (auto& s : series) {
        if (s.name == name) return s;
    }
    ChartSeries added;
    added.name = name;
    added.title = name;
    series.push_back(added);
    return series.back();
}

void Chart::setRightAxisMaximum(double max) {
    if (rightAxis.maximum == max) return;
    rightAxis.maximum = max;
    changed();
}

void Chart::setLeftAxisTitle(const std::string& t) {
    if (leftAxis.title == t) return;
    leftAxis.title = t;
    changed();
}

void Chart::setSeriesTitle(std::size_t index, const std::string& t) {
    if (index >= series.size() || series[index].title == t) return;
    series[index].title = t;
    changed();
}

void Chart::setSeriesPoints(std::size_t index, std::vector<ChartPoint> points) {
    if (index >= series.size()) return;
    series[index].points = std::move(points);
    changed();
}

Grid::Grid(Form& form, std::string name, Control* parent, Rect geometry, int cols, int rows)
    : Control(form, std::move(name), Kind::Grid, parent, geometry),
      cols_(cols),
      rows_(rows),
      texts_(static_cast<std::size_t>(cols * rows)),
      cellColors_(static_cast<std::size_t>(cols * rows)),
      hints_(static_cast<std::size_t>(cols * rows)) {}

std::size_t Grid::indexOf(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col);
}

namespace {
const std::string kEmpty;
}

const std::string& Grid::cellText(int col, int row) const {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return kEmpty;
    return texts_[indexOf(col, row)];
}

void Grid::setCellText(int col, int row, const std::string& t) {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return;
    texts_[indexOf(col, row)] = t;
}

std::optional<Color> Grid::cellColor(int col, int row) const {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return std::nullopt;
    return cellColors_[indexOf(col, row)];
}

void Grid::setCellColor(int col, int row, std::optional<Color> c) {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return;
    cellColors_[indexOf(col, row)] = c;
}

const std::string& Grid::cellHint(int col, int row) const {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return kEmpty;
    return hints_[indexOf(col, row)];
}

void Grid::setCellHint(int col, int row, const std::string& t) {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return;
    hints_[indexOf(col, row)] = t;
}

void Grid::setDefaultSizes(int colWidth, int rowHeight) {
    defaultColWidth = colWidth;
    defaultRowHeight = rowHeight;
    changed();
}

void Grid::scrollTo(int leftCol, int topRow) {
    leftCol = std::clamp(leftCol, fixedCols, std::max(fixedCols, cols_ - 1));
    topRow = std::clamp(topRow, fixedRows, std::max(fixedRows, rows_ - 1));
    if (leftCol == leftCol_ && topRow == topRow_) return;
    leftCol_ = leftCol;
    topRow_ = topRow;
    changed();
}

void Grid::userSelect(Selection s) {
    setSelection(s);
    if (onSelectCell) onSelectCell(s.left, s.top);
}

// ---- Pages, status bar, menus ---------------------------------------------------

// Hiding the tab of the active page moves the control to the next page whose
// tab shows (or the previous one), as the fitter would otherwise look at a
// page without a tab.
void TabSheet::setTabVisible(bool v) {
    if (tabVisible_ == v) return;
    tabVisible_ = v;
    changed();
    if (v || parent() == nullptr || parent()->kind() != Kind::PageControl) return;
    auto* control = static_cast<PageControl*>(parent());
    if (control->activePage() != this) return;
    const auto& pages = control->pages();
    const auto self = std::find(pages.begin(), pages.end(), this);
    TabSheet* next = nullptr;
    for (auto it = self; it != pages.end() && next == nullptr; ++it) {
        if ((*it)->tabVisible()) next = *it;
    }
    for (auto it = self; it != pages.begin() && next == nullptr;) {
        --it;
        if ((*it)->tabVisible()) next = *it;
    }
    control->setActivePage(next);
}

void PageControl::setActivePage(TabSheet* page) {
    if (page == active_) return;
    TabSheet* old = active_;
    active_ = page;
    changed();
    if (old && old->onHide) old->onHide();
    if (page && page->onShow) page->onShow();
}

int PageControl::activePageIndex() const {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i] == active_) return static_cast<int>(i);
    }
    return -1;
}

void StatusBar::setPanelText(std::size_t i, const std::string& t) {
    if (i >= panels_.size()) return;
    assign(panels_[i].text, t);
}

void StatusBar::setPanelOwnerDrawn(std::size_t i, bool ownerDrawn) {
    if (i >= panels_.size()) return;
    assign(panels_[i].ownerDrawn, ownerDrawn);
}

MenuItem::MenuItem(Form& form, std::string name, MenuItem* parentItem, const std::string& caption)
    : Control(form, std::move(name), Kind::MenuItem, parentItem) {
    setCaption(caption);
    if (parentItem) parentItem->children_.push_back(this);
}

void MenuItem::insertChild(std::size_t at, MenuItem& item) {
    children_.insert(children_.begin() + static_cast<long>(std::min(at, children_.size())), &item);
    changed();
}

void MenuItem::removeChild(const MenuItem& item) {
    auto it = std::find(children_.begin(), children_.end(), &item);
    if (it == children_.end()) return;
    children_.erase(it);
    changed();
}

void Window::moveTo(int x, int y) {
    Rect r = geometry();
    r.x = x;
    r.y = y;
    setGeometry(r);
}

}  // namespace qavi::ui
