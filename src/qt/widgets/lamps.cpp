#include "qt/widgets/lamps.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "qt/widgets/painting.h"

namespace qavi::qt {

using namespace look;

LedWidget::LedWidget(const ui::Led& model, QWidget* parent) : QWidget(parent), model_(model) {
    connect(&blink_, &QTimer::timeout, this, [this] {
        phaseOn_ = !phaseOn_;
        update();
    });
    sync();
}

QColor LedWidget::onColor() const { return toQColor(model_.onColor()); }
QColor LedWidget::offColor() const { return toQColor(model_.offColor()); }
QString LedWidget::caption() const { return qs(model_.caption()); }

void LedWidget::sync() {
    const bool blink = model_.checked() && model_.flashing();
    const int halfPeriod = 500 / std::max(1, model_.flashHz());
    if (blink) {
        if (!blink_.isActive() || blink_.interval() != halfPeriod) blink_.start(halfPeriod);
    } else {
        blink_.stop();
        phaseOn_ = true;
    }
    update();
}

void LedWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(isEnabled() ? 1.0 : 0.5);
    QRectF r = rect();
    const QString text = caption();
    if (!text.isEmpty()) {
        p.setFont(pixelFont(std::clamp(height() / 2, 8, 11), true));
        p.setPen(palette().windowText().color());
        if (model_.captionLeft) {
            const qreal w = std::min<qreal>(p.fontMetrics().horizontalAdvance(text) + 3, r.width() / 2);
            p.drawText(QRectF(r.left(), r.top(), w, r.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
            r.setLeft(r.left() + w);
        } else if (r.height() > r.width() + 6) {
            const qreal h = r.height() - r.width();
            p.drawText(QRectF(r.left(), r.top(), r.width(), h), Qt::AlignCenter, text);
            r.setTop(r.top() + h);
        }
    }
    const qreal side = std::min(r.width(), r.height());
    QRectF lamp(0, 0, std::min(r.width(), side * 1.6), side);
    lamp.moveCenter(r.center());
    lamp.adjust(0.5, 0.5, -0.5, -0.5);
    const QColor base = lit() ? onColor() : offColor();
    QRadialGradient g(lamp.center() - QPointF(lamp.width() / 5, lamp.height() / 5),
                      std::max(lamp.width(), lamp.height()));
    g.setColorAt(0, base.lighter(lit() ? 160 : 125));
    g.setColorAt(0.6, base);
    g.setColorAt(1, base.darker(lit() ? 120 : 160));
    p.setPen(QPen(QColor(0x30, 0x35, 0x3c), 1));
    p.setBrush(g);
    p.drawRoundedRect(lamp, 2.5, 2.5);
}

void LedWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

// ---- Switch -----------------------------------------------------------------------

SwitchWidget::SwitchWidget(const ui::Switch& model, QWidget* parent) : QWidget(parent), model_(model) {
    setFocusPolicy(model.switchMode ? Qt::StrongFocus : Qt::NoFocus);
    if (model.switchMode) setCursor(Qt::PointingHandCursor);
}

QString SwitchWidget::text() const { return qs(model_.text()); }
QString SwitchWidget::onText() const { return qs(model_.onText()); }
QString SwitchWidget::offText() const { return qs(model_.offText()); }
QColor SwitchWidget::onColor() const { return toQColor(model_.onColor()); }
QColor SwitchWidget::offColor() const { return toQColor(model_.offColor()); }

void SwitchWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(isEnabled() ? 1.0 : 0.55);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = track.height() / 2;
    p.setPen(QPen(kFaceEdge, 1));
    p.setBrush(kTrack);
    p.drawRoundedRect(track, radius, radius);
    // The knob sits on the side of the current position; the text fills the rest.
    const qreal knobSide = track.height() - 4;
    const bool on = model_.checked();
    QRectF knob(0, 0, knobSide * 1.25, knobSide);
    knob.moveTop(track.top() + 2);
    if (on) {
        knob.moveRight(track.right() - 2);
    } else {
        knob.moveLeft(track.left() + 2);
    }
    const QColor state = on ? onColor() : offColor();
    QLinearGradient g(knob.topLeft(), knob.bottomLeft());
    g.setColorAt(0, QColor(0xf4, 0xf6, 0xf8));
    g.setColorAt(1, QColor(0xb8, 0xc0, 0xc8));
    p.setPen(QPen(state, 1.6));
    p.setBrush(g);
    p.drawRoundedRect(knob, knobSide / 2, knobSide / 2);
    QRectF textRect = track.adjusted(6, 0, -6, 0);
    if (on) {
        textRect.setRight(knob.left() - 4);
    } else {
        textRect.setLeft(knob.right() + 4);
    }
    p.setFont(pixelFont(std::clamp(static_cast<int>(track.height() * 0.5), 9, 14), true));
    p.setPen(state);
    p.drawText(textRect, Qt::AlignCenter, text());
}

void SwitchWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

void SwitchWidget::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace qavi::qt
