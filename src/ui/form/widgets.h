#pragma once

// The presentation model of the window's widgets: the state the behaviour reads
// and writes, with the value model of each widget kind implemented once. The Qt
// shell mirrors every control into a real widget and turns gestures into the
// user* calls below; tests drive those calls directly.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qavi::ui {

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kLightRed{255, 60, 60};
inline constexpr Color kLime{0, 255, 0};
inline constexpr Color kGreen{0, 128, 0};
inline constexpr Color kYellow{255, 255, 0};
inline constexpr Color kAqua{0, 255, 255};
inline constexpr Color kBlue{0, 0, 255};
inline constexpr Color kGrey{128, 128, 128};
inline constexpr Color kSilver{192, 192, 192};
inline constexpr Color kLightGrey{211, 211, 211};
// The system colours the window uses; fixed values keep the model platform-free.
inline constexpr Color kButtonFace{240, 240, 240};
inline constexpr Color kWindowText{0, 0, 0};
}  // namespace colors

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class Kind {
    Window, Panel, GroupBox, Label, Button, CheckBox, RadioButton, ComboBox, Edit, Memo, Spin,
    DatePicker, ProgressBar, Chart, Grid, PageControl, TabSheet, Image, PaintBox, SpinButton,
    Bar, Meter, DialGauge, Thermometer, ValueIndicator, Led, Switch, InputDial, Slider, MiniTrend,
    StatusBar, MenuItem
};

const char* kindName(Kind kind);

struct MouseEvent {
    int x = 0;
    int y = 0;
    bool leftButton = true;
};

class Form;

// Every named component. Setters notify the observer (the Qt binding) only
// when the state really changes.
class Control {
public:
    Control(Form& form, std::string name, Kind kind, Control* parent, Rect geometry = {});
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }
    Control* parent() const { return parent_; }
    Form& form() const { return form_; }

    Rect geometry() const { return geometry_; }
    void setGeometry(Rect r);

    bool visible() const { return visible_; }
    void setVisible(bool v);
    // Visible itself and every parent visible.
    bool showing() const;
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& text);
    int tag() const { return tag_; }
    void setTag(int t) { tag_ = t; }
    Color color() const { return color_; }
    void setColor(Color c);
    Color fontColor() const { return fontColor_; }
    void setFontColor(Color c);

    // Generic gestures; kinds with their own click behaviour override userClick.
    virtual void userClick();
    void userMouseMove(MouseEvent e);
    void userMouseDown(MouseEvent e);
    void userMouseUp(MouseEvent e);
    void userEnter();
    void userExit();

    std::function<void()> onClick;
    std::function<void()> onEnter;
    std::function<void()> onExit;
    std::function<void(MouseEvent)> onMouseMove;
    std::function<void(MouseEvent)> onMouseDown;
    std::function<void(MouseEvent)> onMouseUp;

    // The shell's hook: called after any change of state.
    void setObserver(std::function<void()> observer) { observer_ = std::move(observer); }

protected:
    void changed() const {
        if (observer_) observer_();
    }
    template <typename T>
    void assign(T& field, const T& value) {
        if (!(field == value)) {
            field = value;
            changed();
        }
    }

private:
    Form& form_;
    std::string name_;
    Kind kind_;
    Control* parent_;
    Rect geometry_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::string hint_;
    int tag_ = 0;
    Color color_ = colors::kButtonFace;
    Color fontColor_ = colors::kWindowText;
    std::function<void()> observer_;
};

// Panels, group boxes, labels, pictures, paint boxes: nothing beyond the base.
class Plain : public Control {
public:
    using Control::Control;
};

class Button : public Control {
public:
    using Control::Control;
};

// Check box: a change of the checked state, by the user or by code, is
// reported through onClick, as a click would be.
class CheckBox : public Control {
public:
    using Control::Control;
    bool checked() const { return checked_; }
    void setChecked(bool v);
    // Sets the state without running onClick.
    void setCheckedSilently(bool v);
    void userClick() override;

private:
    bool checked_ = false;
};

// Radio button: checking one unchecks its siblings (same parent). Becoming
// checked, by the user or by code, runs onClick.
class RadioButton : public Control {
public:
    using Control::Control;
    bool checked() const { return checked_; }
    void setChecked(bool v);
    void userClick() override;

private:
    void uncheckSiblings();
    bool checked_ = false;
};

// Combo box. Code sets the selection silently; a selection by the user runs onChange.
class ComboBox : public Control {
public:
    using Control::Control;
    static constexpr int kNone = -1;

    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);
    // Replaces the text of item k in place; the selection keeps its index.
    void replaceItem(int k, const std::string& text);
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);
    // The text shown: the selected item's, or the free text with no selection.
    std::string text() const;
    void setText(const std::string& t);
    bool editable() const { return editable_; }
    void setEditable(bool e) { editable_ = e; }
    void userSelect(int index);

    std::function<void()> onChange;

private:
    std::vector<std::string> items_;
    int itemIndex_ = kNone;
    std::string text_;
    bool editable_ = true;
};

class Edit : public Control {
public:
    using Control::Control;
    const std::string& text() const { return text_; }
    void setText(const std::string& t);
    void userSetText(const std::string& t);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool r) { readOnly_ = r; }
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n) { maxLength_ = n; }
    bool bold() const { return bold_; }
    void setBold(bool b) { assign(bold_, b); }

    std::function<void()> onChange;

private:
    std::string text_;
    bool readOnly_ = false;
    int maxLength_ = 0;
    bool bold_ = false;
};

// Multi-line text; lines are separated by "\r\n" as the texts are written.
class Memo : public Control {
public:
    using Control::Control;
    const std::string& text() const { return text_; }
    void setText(const std::string& t);
    void append(const std::string& t);
    void clear() { setText(""); }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool r) { readOnly_ = r; }

private:
    std::string text_;
    bool readOnly_ = true;
};

// Numeric field with up/down buttons. A change that alters the shown text, by
// the user or by code, raises onChange.
class Spin : public Control {
public:
    using Control::Control;
    double value() const { return value_; }
    void setValue(double v);
    void userStep(int steps);  // +1 up, -1 down
    void userSetValue(double v);
    std::string text() const;

    double increment = 1.0;
    std::optional<double> minimum;
    std::optional<double> maximum;
    std::string format = "#0.#";
    bool readOnlyText = false;
    int repeatDelayMs = 500;
    int repeatIntervalMs = 100;

    std::function<void()> onChange;
    // Raised when the user lets go of the control after changing it (spins whose
    // handler is bound to the end of a change).
    std::function<void()> onValueChanged;

private:
    double clampToLimits(double v) const;
    double value_ = 0.0;
};

struct Date {
    int year = 2008;
    int month = 7;
    int day = 1;
    friend bool operator==(const Date&, const Date&) = default;
};

class DatePicker : public Control {
public:
    using Control::Control;
    Date date() const { return date_; }
    void setDate(Date d) { assign(date_, d); }

private:
    Date date_;
};

class ProgressBar : public Control {
public:
    using Control::Control;
    int minimum = 0;
    int maximum = 100;
    int position() const { return position_; }
    void setPosition(int p) { assign(position_, p); }

private:
    int position_ = 0;
};

// ---- Gauges and input controls --------------------------------------------

struct ColorBand {
    int from = 0;  // thousandths of the digital range
    int to = 0;
    Color color;
    friend bool operator==(const ColorBand&, const ColorBand&) = default;
};

// Which parts of its signal description a gauge draws.
struct ShowParts {
    bool value = true;
    bool name1 = false;
    bool name2 = false;
    bool unit = false;
};

// The signal description every gauge, dial and slider carries.
class SignalControl : public Control {
public:
    SignalControl(Form& form, std::string name, Kind kind, Control* parent, Rect geometry = {});

    double value() const { return value_; }
    virtual void setValue(double v) = 0;
    // Nearest integer on the digital grid, derived from the value.
    int digitalValue() const;

    double valueFrom() const { return valueFrom_; }
    double valueTo() const { return valueTo_; }
    int digitalFrom() const { return digitalFrom_; }
    int digitalTo() const { return digitalTo_; }
    void setValueRange(double from, double to);
    void setValueTo(double to);
    void setDigitalRange(int from, int to);
    void setDigitalTo(int to);

    const std::string& name1() const { return name1_; }
    const std::string& name2() const { return name2_; }
    const std::string& unit() const { return unit_; }
    const std::string& format() const { return format_; }
    void setName1(const std::string& t);
    void setName2(const std::string& t);
    void setUnit(const std::string& t);
    void setFormat(const std::string& f);
    // The value as shown, in the format with the locale's separators.
    std::string valueText() const;

    ShowParts show;
    std::vector<ColorBand> bands;
    Color barColor = colors::kLime;
    int scaleMajorSteps = 5;
    int scaleMinorSteps = 5;
    std::string scaleFormat = "##0";
    bool showScale = true;

protected:
    int digitalOf(double v) const;
    double valueOfDigital(int d) const;
    double value_ = 0.0;

private:
    double valueFrom_ = 0.0;
    double valueTo_ = 100.0;
    int digitalFrom_ = 0;
    int digitalTo_ = 1000;
    std::string name1_ = "SignalName1";
    std::string name2_ = "SignalName2";
    std::string unit_;
    std::string format_ = "##0.0";
};

// Bars, meters, thermometers, value indicators and the dial gauge: they store
// any value and ignore a set to the value they hold.
class DisplayGauge : public SignalControl {
public:
    using SignalControl::SignalControl;
    void setValue(double v) override;

    bool horizontal = false;
    // The dial gauge's look while the engine runs or not (decoration).
    int sectorOffset() const { return sectorOffset_; }
    int needleShape() const { return needleShape_; }
    void setDialLook(int sectorOffset, int needleShape);

private:
    int sectorOffset_ = 0;
    int needleShape_ = 0;
};

// Dials and sliders: a set clips to the value range, snaps to the digital grid
// and raises onValueChange when the digital value changes; the user's release
// after a change of theirs raises onValueChanged once.
class InputControl : public SignalControl {
public:
    using SignalControl::SignalControl;
    void setValue(double v) override;
    void setDigitalValue(int d);

    void userSetValue(double v);
    void userSetDigitalValue(int d);
    void userStep(int digitalSteps);
    void userRelease();

    int largeStep = 10;  // Page Up/Down, in digital steps
    bool arrowKeysOnly = false;

    std::function<void()> onValueChange;
    std::function<void()> onValueChanged;

private:
    bool userChangedSinceRelease_ = false;
};

class Led : public Control {
public:
    using Control::Control;
    bool checked() const { return checked_; }
    void setChecked(bool v) { assign(checked_, v); }
    Color onColor() const { return onColor_; }
    Color offColor() const { return offColor_; }
    void setOnColor(Color c) { assign(onColor_, c); }
    void setOffColor(Color c) { assign(offColor_, c); }
    bool flashing() const { return flashing_; }
    void setFlashing(bool f) { assign(flashing_, f); }
    int flashHz() const { return flashHz_; }
    void setFlashHz(int hz) { assign(flashHz_, hz); }
    bool captionLeft = false;

private:
    bool checked_ = false;
    Color onColor_ = colors::kLime;
    Color offColor_ = colors::kGrey;
    bool flashing_ = false;
    int flashHz_ = 1;
};

// Two-position switch. Code marks its position silently; in switch mode the
// user flips it, which raises onStatusChanged and then onClick; in indicator
// mode a click only raises onClick.
class Switch : public Control {
public:
    using Control::Control;
    bool checked() const { return checked_; }
    void setChecked(bool v) { assign(checked_, v); }
    const std::string& onText() const { return onText_; }
    const std::string& offText() const { return offText_; }
    void setOnText(const std::string& t) { assign(onText_, t); }
    void setOffText(const std::string& t) { assign(offText_, t); }
    Color onColor() const { return onColor_; }
    Color offColor() const { return offColor_; }
    void setOnColor(Color c) { assign(onColor_, c); }
    void setOffColor(Color c) { assign(offColor_, c); }
    const std::string& text() const { return checked_ ? onText_ : offText_; }
    bool switchMode = false;
    void userClick() override;

    std::function<void()> onStatusChanged;

private:
    bool checked_ = false;
    std::string onText_ = "ON";
    std::string offText_ = "OFF";
    Color onColor_ = colors::kLime;
    Color offColor_ = colors::kRed;
};

// Two-channel scrolling trace; one sample per channel per live frame.
class MiniTrend : public Control {
public:
    MiniTrend(Form& form, std::string name, Control* parent, Rect geometry = {});
    struct Channel {
        std::string name1 = " ";
        std::string name2 = " ";
        std::string unit = " ";
        std::string format = "##0";
        double valueFrom = 0;
        double valueTo = 50;
        int digitalFrom = 0;
        int digitalTo = 50;
        std::deque<double> samples;
    };
    static constexpr std::size_t kCapacity = 600;
    Channel channels[2];
    void addSample(double channel1, double channel2);
    void clearSamples();
    int timeScale = 1;
};

// Up/down button pair with auto-repeat.
class SpinButton : public Control {
public:
    using Control::Control;
    void userUp();
    void userDown();
    int repeatDelayMs = 500;
    int repeatIntervalMs = 100;
    std::function<void()> onUpClick;
    std::function<void()> onDownClick;
};

// ---- Charts and grid --------------------------------------------------------

struct ChartPoint {
    double x = 0;
    double y = 0;
    std::optional<Color> color;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartAxis {
    double minimum = 0;
    double maximum = 100;
    double increment = 0;
    std::string title;
    std::string labelFormat;
    bool visible = true;
    bool grid = true;
    int minorTicks = 0;
};

struct ChartSeries {
    std::string name;
    std::string title;
    bool rightAxis = false;
    bool drawLine = true;
    bool drawPoints = false;
    bool visible = true;
    std::optional<Color> color;
    std::string valueFormat;
    std::vector<ChartPoint> points;
};

class Chart : public Control {
public:
    using Control::Control;
    ChartAxis leftAxis;
    ChartAxis rightAxis;
    ChartAxis bottomAxis;
    ChartAxis topAxis;
    std::vector<ChartSeries> series;
    // Where the shell draws the plot, in the chart's own pixels; lets mouse
    // handlers turn a position into axis values.
    Rect plotArea;

    ChartSeries& seriesNamed(const std::string& name);
    void setRightAxisMaximum(double max);
    void setLeftAxisTitle(const std::string& t);
    void setSeriesTitle(std::size_t index, const std::string& t);
    void setSeriesPoints(std::size_t index, std::vector<ChartPoint> points);
    // Asks the shell to draw again after several direct edits.
    void repaint() const { changed(); }

    std::function<void(std::size_t seriesIndex, std::size_t pointIndex)> onClickSeries;
};

class Grid : public Control {
public:
    Grid(Form& form, std::string name, Control* parent, Rect geometry, int cols, int rows);
    int colCount() const { return cols_; }
    int rowCount() const { return rows_; }
    int fixedCols = 1;
    int fixedRows = 1;
    int defaultColWidth = 2;
    int defaultRowHeight = 1;
    bool rangeSelect = true;
    Color selectionColor = colors::kAqua;

    const std::string& cellText(int col, int row) const;
    void setCellText(int col, int row, const std::string& t);
    std::optional<Color> cellColor(int col, int row) const;
    void setCellColor(int col, int row, std::optional<Color> c);
    const std::string& cellHint(int col, int row) const;
    void setCellHint(int col, int row, const std::string& t);
    void setDefaultSizes(int colWidth, int rowHeight);

    struct Selection {
        int left = 1, top = 1, right = 1, bottom = 1;
        friend bool operator==(const Selection&, const Selection&) = default;
    };
    Selection selection() const { return selection_; }
    void setSelection(Selection s) { assign(selection_, s); }
    void userSelect(Selection s);
    // First scrollable column and row shown at the view's top-left corner.
    int leftCol() const { return leftCol_; }
    int topRow() const { return topRow_; }
    void scrollTo(int leftCol, int topRow);
    // Whether the range selection is painted (switched off while zoomed).
    bool drawSelection() const { return drawSelection_; }
    void setDrawSelection(bool d) { assign(drawSelection_, d); }
    // Several cells written in a row notify once.
    void endUpdate() const { changed(); }

    std::function<void(int col, int row)> onSelectCell;

private:
    std::size_t indexOf(int col, int row) const;
    int cols_;
    int rows_;
    std::vector<std::string> texts_;
    std::vector<std::optional<Color>> cellColors_;
    std::vector<std::string> hints_;
    Selection selection_;
    int leftCol_ = 1;
    int topRow_ = 1;
    bool drawSelection_ = true;
    bool batching_ = false;
};

// ---- Pages, status bar, menus --------------------------------------------

class TabSheet : public Control {
public:
    using Control::Control;
    bool tabVisible() const { return tabVisible_; }
    void setTabVisible(bool v);
    std::function<void()> onShow;
    std::function<void()> onHide;

private:
    bool tabVisible_ = true;
};

class PageControl : public Control {
public:
    using Control::Control;
    void addPage(TabSheet& page) { pages_.push_back(&page); }
    const std::vector<TabSheet*>& pages() const { return pages_; }
    TabSheet* activePage() const { return active_; }
    // Makes the page active; the old one gets onHide, the new one onShow.
    void setActivePage(TabSheet* page);
    void userSelectPage(TabSheet* page) { setActivePage(page); }
    // Index among all pages (hidden tabs included); -1 for none.
    int activePageIndex() const;

private:
    std::vector<TabSheet*> pages_;
    TabSheet* active_ = nullptr;
};

struct StatusPanel {
    std::string text;
    int width = 0;
    bool ownerDrawn = false;  // drawn by its owner: nothing shows
    friend bool operator==(const StatusPanel&, const StatusPanel&) = default;
};

class StatusBar : public Control {
public:
    using Control::Control;
    std::vector<StatusPanel>& panels() { return panels_; }
    const std::vector<StatusPanel>& panels() const { return panels_; }
    void setPanelText(std::size_t i, const std::string& t);
    void setPanelOwnerDrawn(std::size_t i, bool ownerDrawn);
    const std::string& panelText(std::size_t i) const { return panels_.at(i).text; }

private:
    std::vector<StatusPanel> panels_;
};

class MenuItem : public Control {
public:
    MenuItem(Form& form, std::string name, MenuItem* parentItem, const std::string& caption);
    bool checked() const { return checked_; }
    void setChecked(bool v) { assign(checked_, v); }
    const std::vector<MenuItem*>& children() const { return children_; }
    void addChild(MenuItem& item) { children_.push_back(&item); changed(); }
    void insertChild(std::size_t at, MenuItem& item);
    void removeChild(const MenuItem& item);
    // Clicking from code runs the same handler as the user's click.
    void click() { userClick(); }

private:
    bool checked_ = false;
    std::vector<MenuItem*> children_;
};

class Window : public Control {
public:
    using Control::Control;
    bool minimizeButton() const { return minimizeButton_; }
    void setMinimizeButton(bool v) { assign(minimizeButton_, v); }
    void moveTo(int x, int y);

    // Raised by the shell whenever the window repaints, and when it closes.
    std::function<void()> onPaint;
    std::function<void()> onClose;

private:
    bool minimizeButton_ = true;
};

}  // namespace qavi::ui
