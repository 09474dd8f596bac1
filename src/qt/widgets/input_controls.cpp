#include "qt/widgets/input_controls.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "qt/widgets/painting.h"

namespace qavi::qt {

using namespace look;

InputWidget::InputWidget(const ui::InputControl& model, QWidget* parent) : SignalWidget(model, parent), input_(model) {
    setFocusPolicy(Qt::StrongFocus);
}

int InputWidget::digitalOfFraction(qreal f) const {
    const qreal d = input_.digitalFrom() + (input_.digitalTo() - input_.digitalFrom()) * std::clamp<qreal>(f, 0, 1);
    return static_cast<int>(std::lround(d));
}

std::optional<int> InputWidget::keyTarget(int key) const {
    const int d = input_.digitalValue();
    if (input_.arrowKeysOnly) {
        if (key == Qt::Key_Up) return d + 1;
        if (key == Qt::Key_Down) return d - 1;
        return std::nullopt;
    }
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Right:
            return d + 1;
        case Qt::Key_Down:
        case Qt::Key_Left:
            return d - 1;
        case Qt::Key_PageUp:
            return d + input_.largeStep;
        case Qt::Key_PageDown:
            return d - input_.largeStep;
        case Qt::Key_Home:
            return input_.digitalFrom();
        case Qt::Key_End:
            return input_.digitalTo();
        default:
            return std::nullopt;
    }
}

void InputWidget::keyPressEvent(QKeyEvent* e) {
    if (const auto target = keyTarget(e->key())) {
        emit digitalRequested(*target);
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void InputWidget::keyReleaseEvent(QKeyEvent* e) {
    // Auto-repeat sends a release with every press; only the real one ends the change.
    if (!e->isAutoRepeat()) emit released();
    QWidget::keyReleaseEvent(e);
}

void InputWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    dragging_ = true;
    if (const auto d = digitalAt(e->position())) emit digitalRequested(*d);
}

void InputWidget::mouseMoveEvent(QMouseEvent* e) {
    if (!dragging_) return;
    if (const auto d = digitalAt(e->position())) emit digitalRequested(*d);
}

void InputWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    dragging_ = false;
    emit released();
}

void InputWidget::wheelEvent(QWheelEvent* e) {
    const int steps = e->angleDelta().y() / 120;
    if (steps == 0) return;
    emit digitalRequested(input_.digitalValue() + steps);
    emit released();
    e->accept();
}

// ---- Dial ---------------------------------------------------------------------------

namespace {
constexpr qreal kStartAngle = 225.0;
constexpr qreal kSweep = 270.0;
}  // namespace

QPointF InputDial::centre() const {
    const qreal top = model_.show.name1 ? 16 : 2;
    const qreal bottom = height() - (model_.show.name2 ? 14 : 2);
    return QPointF(width() / 2.0, top + (bottom - top) / 2.0 + 2);
}

qreal InputDial::radius() const {
    const qreal top = model_.show.name1 ? 16 : 2;
    const qreal bottom = height() - (model_.show.name2 ? 14 : 2);
    return std::max<qreal>(10, std::min<qreal>(width() - 4, bottom - top) / 2.0 - 1);
}

std::optional<int> InputDial::digitalAt(QPointF pos) const {
    const QPointF v = pos - centre();
    if (std::hypot(v.x(), v.y()) < 4) return std::nullopt;
    qreal a = qRadiansToDegrees(std::atan2(-v.y(), v.x()));  // counter-clockwise from 3 o'clock
    qreal fromStart = kStartAngle - a;
    while (fromStart < 0) fromStart += 360;
    while (fromStart >= 360) fromStart -= 360;
    // The dead sector at the bottom snaps to the nearer end.
    if (fromStart > kSweep) fromStart = fromStart > kSweep + 45 ? 0 : kSweep;
    return digitalOfFraction(fromStart / kSweep);
}

void InputDial::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    applyEnabledOpacity(p, isEnabled());
    const QPalette pal = palette();
    const int textPx = 11;
    // Name2 is the dial's title (translated with the language); Name1 names
    // the unit of its scale and sits under the dial.
    if (model_.show.name2) {
        p.setFont(fittedFont(qs(model_.name2()), width(), textPx, true));
        p.setPen(pal.windowText().color());
        p.drawText(QRectF(0, 0, width(), 15), Qt::AlignCenter, qs(model_.name2()));
    }
    if (model_.show.name1) {
        p.setFont(fittedFont(qs(model_.name1()), width(), textPx - 1));
        p.setPen(pal.windowText().color());
        p.drawText(QRectF(0, height() - 14, width(), 14), Qt::AlignCenter, qs(model_.name1()));
    }
    const QPointF c = centre();
    const qreal r = radius();
    auto pointAt = [&](qreal f, qreal rr) {
        const qreal a = qDegreesToRadians(kStartAngle - kSweep * f);
        return QPointF(c.x() + rr * std::cos(a), c.y() - rr * std::sin(a));
    };
    // Scale ring.
    const QRectF ring(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setPen(QPen(kTrack, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring.adjusted(2, 2, -2, -2), qRound(kStartAngle * 16), qRound(-kSweep * 16));
    const qreal f = fractionOf(model_);
    QColor accent(0x2f, 0x9b, 0xff);
    if (hasFocus()) accent = accent.lighter(120);
    p.setPen(QPen(accent, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring.adjusted(2, 2, -2, -2), qRound(kStartAngle * 16), qRound(-kSweep * f * 16));
    const int major = std::max(1, model_.scaleMajorSteps);
    if (model_.showScale) {
        p.setPen(QPen(kDimText, 0.8));
        for (int i = 0; i <= major; ++i) {
            const qreal t = static_cast<qreal>(i) / major;
            p.drawLine(pointAt(t, r * 0.80), pointAt(t, r * 0.88));
        }
        p.setFont(pixelFont(8));
        p.setPen(pal.windowText().color());
        const QPointF lo = pointAt(0, r * 0.95);
        const QPointF hi = pointAt(1, r * 0.95);
        // End labels beside the scale's ends, kept inside the widget.
        const qreal loLeft = std::max<qreal>(0, lo.x() - 12);
        const qreal hiRight = std::min<qreal>(width(), hi.x() + 12);
        p.drawText(QRectF(loLeft, lo.y(), 44, 11), Qt::AlignLeft | Qt::AlignTop, scaleLabel(model_, 0, 1));
        p.drawText(QRectF(hiRight - 44, hi.y(), 44, 11), Qt::AlignRight | Qt::AlignTop, scaleLabel(model_, 1, 1));
    }
    // Knob.
    const qreal knob = r * 0.70;
    QRadialGradient g(c - QPointF(knob / 3, knob / 3), knob * 1.6);
    g.setColorAt(0, QColor(0x5a, 0x63, 0x6e));
    g.setColorAt(1, kFace);
    p.setPen(QPen(kFaceEdge.darker(120), 1));
    p.setBrush(g);
    p.drawEllipse(c, knob, knob);
    p.setPen(QPen(accent.lighter(130), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pointAt(f, knob * 0.55), pointAt(f, knob * 0.92));
    // Value in the knob's middle, unit below it.
    if (model_.show.value) {
        p.setFont(pixelFont(std::clamp(static_cast<int>(knob / 2.4), 9, 14), true));
        p.setPen(kText);
        p.drawText(QRectF(c.x() - knob, c.y() - knob * 0.45, 2 * knob, knob * 0.7), Qt::AlignCenter,
                   look::valueText(model_));
    }
    if (model_.show.unit) {
        p.setFont(pixelFont(8));
        p.setPen(kDimText);
        p.drawText(QRectF(c.x() - knob, c.y() + knob * 0.2, 2 * knob, knob * 0.4), Qt::AlignCenter, qs(model_.unit()));
    }
}

// ---- Slider -------------------------------------------------------------------------

QRectF VerticalSlider::trackRect() const {
    const qreal top = (model_.show.name1 ? 18 : 4) + 6;
    const qreal bottom = height() - (model_.show.value ? 22 : 4) - 6;
    const qreal x = width() * 0.58;
    return QRectF(x - 3, top, 6, std::max<qreal>(10, bottom - top));
}

std::optional<int> VerticalSlider::digitalAt(QPointF pos) const {
    const QRectF t = trackRect();
    return digitalOfFraction((t.bottom() - pos.y()) / t.height());
}

void VerticalSlider::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    applyEnabledOpacity(p, isEnabled());
    const QPalette pal = palette();
    if (model_.show.name1) {
        p.setFont(fittedFont(qs(model_.name1()), width(), 11, true));
        p.setPen(pal.windowText().color());
        p.drawText(QRectF(0, 0, width(), 16), Qt::AlignCenter, qs(model_.name1()));
    }
    const QRectF t = trackRect();
    const int major = std::max(1, model_.scaleMajorSteps);
    const int minor = std::max(1, model_.scaleMinorSteps);
    p.setFont(pixelFont(9));
    for (int i = 0; i <= major * minor; ++i) {
        const qreal y = t.bottom() - t.height() * i / (major * minor);
        const bool isMajor = i % minor == 0;
        p.setPen(QPen(pal.windowText().color(), isMajor ? 1.0 : 0.5));
        p.drawLine(QPointF(t.left() - (isMajor ? 9 : 5), y), QPointF(t.left() - 3, y));
        if (isMajor && model_.showScale) {
            p.drawText(QRectF(0, y - 6, t.left() - 11, 12), Qt::AlignRight | Qt::AlignVCenter,
                       scaleLabel(model_, i / minor, major));
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kTrack);
    p.drawRoundedRect(t, 3, 3);
    const qreal f = fractionOf(model_);
    const qreal y = t.bottom() - t.height() * f;
    QColor accent(0x2f, 0x9b, 0xff);
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(t.left(), y, t.width(), t.bottom() - y), 3, 3);
    // Thumb.
    const QRectF thumb(t.center().x() - 13, y - 6, 26, 12);
    QLinearGradient g(thumb.topLeft(), thumb.bottomLeft());
    g.setColorAt(0, QColor(0xfa, 0xfb, 0xfc));
    g.setColorAt(1, QColor(0xc6, 0xcc, 0xd3));
    p.setPen(QPen(hasFocus() ? accent : QColor(0x7a, 0x84, 0x8f), hasFocus() ? 1.6 : 1));
    p.setBrush(g);
    p.drawRoundedRect(thumb, 3, 3);
    if (model_.show.value) {
        const QRectF box(width() / 2.0 - 30, height() - 21, 60, 19);
        p.setPen(QPen(kFaceEdge, 1));
        p.setBrush(kTrack);
        p.drawRoundedRect(box, 3, 3);
        p.setFont(pixelFont(12, true));
        p.setPen(kReadout);
        p.drawText(box, Qt::AlignCenter, look::valueText(model_));
    }
}

}  // namespace qavi::qt
