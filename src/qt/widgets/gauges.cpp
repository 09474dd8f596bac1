#include "qt/widgets/gauges.h"

#include <QDataStream>
#include <QIODevice>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

#include "qt/widgets/painting.h"
#include "ui/form/form.h"

namespace qavi::qt {

using namespace look;

SignalWidget::SignalWidget(const ui::SignalControl& model, QWidget* parent) : QWidget(parent), model_(model) {}

QString SignalWidget::name1() const { return qs(model_.name1()); }
QString SignalWidget::name2() const { return qs(model_.name2()); }
QString SignalWidget::unit() const { return qs(model_.unit()); }
QString SignalWidget::valueText() const { return look::valueText(model_); }
QColor SignalWidget::barColor() const { return toQColor(model_.barColor); }

QByteArray SignalWidget::staticKey() const {
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out << size() << devicePixelRatioF() << isEnabled() << palette().windowText().color() << model_.valueFrom()
        << model_.valueTo() << model_.digitalFrom() << model_.digitalTo() << qs(model_.name1()) << qs(model_.name2())
        << qs(model_.unit()) << qs(model_.scaleFormat) << model_.scaleMajorSteps << model_.scaleMinorSteps
        << model_.showScale << model_.show.value << model_.show.name1 << model_.show.name2 << model_.show.unit
        << model_.form().decimalSeparator();
    for (const ui::ColorBand& b : model_.bands) out << b.from << b.to << toQColor(b.color);
    return key;
}

void SignalWidget::paintEvent(QPaintEvent*) {
    const QByteArray key = staticKey();
    const qreal dpr = devicePixelRatioF();
    if (cache_.isNull() || key != cacheKey_) {
        cache_ = QPixmap(size() * dpr);
        cache_.setDevicePixelRatio(dpr);
        cache_.fill(Qt::transparent);
        QPainter p(&cache_);
        p.setRenderHint(QPainter::Antialiasing);
        paintStatic(p);
        cacheKey_ = key;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, cache_);
    p.setRenderHint(QPainter::Antialiasing);
    applyEnabledOpacity(p, isEnabled());
    paintDynamic(p);
}

namespace {

QString withUnit(const ui::SignalControl& s) {
    QString text = valueText(s);
    if (s.show.unit && !s.unit().empty()) text += ' ' + qs(s.unit()).trimmed();
    return text;
}

QLinearGradient barGradient(const QRectF& r, const QColor& c, bool vertical) {
    QLinearGradient g(r.topLeft(), vertical ? r.topRight() : r.bottomLeft());
    g.setColorAt(0, c.darker(135));
    g.setColorAt(0.45, c.lighter(115));
    g.setColorAt(1, c.darker(150));
    return g;
}

}  // namespace

// ---- Bars ------------------------------------------------------------------------

bool BarGauge::horizontal() const {
    const auto* gauge = dynamic_cast<const ui::DisplayGauge*>(&model_);
    return gauge && gauge->horizontal;
}

BarGauge::Layout BarGauge::layout() const {
    Layout l;
    if (horizontal()) {
        l.face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        l.track = l.face.adjusted(3, 3, -3, -3);
        l.textPx = std::clamp(static_cast<int>(l.track.height() * 0.6), 9, 13);
        return l;
    }
    QRectF r = rect();
    l.textPx = std::clamp(height() / 11, 9, 12);
    if (model_.show.value) {
        l.valueRow = QRectF(r.left(), r.top(), r.width(), l.textPx + 6);
        r.setTop(l.valueRow.bottom() + 1);
    }
    if (model_.show.name2 && !qs(model_.name2()).trimmed().isEmpty()) {
        l.nameRow = QRectF(r.left(), r.bottom() - l.textPx - 4, r.width(), l.textPx + 4);
        r.setBottom(l.nameRow.top() - 1);
    }
    l.face = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const QRectF inner = l.face.adjusted(2, 2, -2, -2);
    // Scale labels on the left when there is room, the bar on the right.
    const bool labels = model_.showScale && inner.width() >= 34;
    const qreal labelWidth = labels ? std::min<qreal>(20, inner.width() * 0.42) : 0;
    l.labelColumn = QRectF(inner.left(), inner.top(), labelWidth, inner.height());
    l.track = QRectF(inner.left() + labelWidth + 4, inner.top() + 5, 0, inner.height() - 10);
    l.track.setRight(inner.right() - 3);
    if (l.track.width() > 22) l.track.setLeft(l.track.right() - 22);
    return l;
}

void BarGauge::paintStatic(QPainter& p) {
    const Layout l = layout();
    drawFace(p, l.face.adjusted(-0.5, -0.5, 0.5, 0.5), horizontal() ? 3 : 4);
    p.setPen(Qt::NoPen);
    p.setBrush(kTrack);
    p.drawRoundedRect(l.track, 2, 2);
    const int major = std::max(1, model_.scaleMajorSteps);
    const int minor = std::max(1, model_.scaleMinorSteps);
    if (horizontal()) {
        p.setPen(QPen(kDimText, 1));
        for (int i = 1; i < major; ++i) {
            const qreal x = l.track.left() + l.track.width() * i / major;
            p.drawLine(QPointF(x, l.track.bottom() - 4), QPointF(x, l.track.bottom()));
        }
        return;
    }
    if (!l.nameRow.isEmpty()) {
        p.setPen(palette().windowText().color());
        p.setFont(fittedFont(qs(model_.name2()).trimmed(), l.nameRow.width(), l.textPx));
        p.drawText(l.nameRow, Qt::AlignCenter, qs(model_.name2()).trimmed());
    }
    p.setFont(pixelFont(std::max(7, l.textPx - 2)));
    for (int i = 0; i <= major * minor; ++i) {
        const qreal y = l.track.bottom() - l.track.height() * i / (major * minor);
        const bool isMajor = i % minor == 0;
        p.setPen(QPen(isMajor ? kScale : kDimText, isMajor ? 1.2 : 0.8));
        p.drawLine(QPointF(l.track.left() - (isMajor ? 4 : 2), y), QPointF(l.track.left() - 1, y));
        if (l.labelColumn.width() > 0 && isMajor) {
            p.setPen(kScale);
            p.drawText(QRectF(l.labelColumn.left(), y - 6, l.labelColumn.width(), 12),
                       Qt::AlignRight | Qt::AlignVCenter, scaleLabel(model_, i / minor, major));
        }
    }
}

void BarGauge::paintDynamic(QPainter& p) {
    const Layout l = layout();
    const qreal f = fractionOf(model_);
    const bool across = horizontal();
    p.setPen(Qt::NoPen);
    if (f > 0) {
        QRectF fill = across ? l.track.adjusted(0, 1, 0, -1) : l.track.adjusted(1, 0, -1, -1);
        if (across) {
            fill.setWidth(l.track.width() * f);
        } else {
            fill.setTop(l.track.bottom() - (l.track.height() - 1) * f);
        }
        p.setBrush(barGradient(fill, toQColor(model_.barColor), !across));
        p.drawRoundedRect(fill, 1.5, 1.5);
    }
    if (across) {
        QString text;
        if (model_.show.name1) text = qs(model_.name1()).trimmed() + "  ";
        if (model_.show.value) text += withUnit(model_);
        p.setFont(pixelFont(l.textPx, true));
        p.setPen(QColor(0, 0, 0, 150));
        p.drawText(l.track.adjusted(0, 1, -5, 1), Qt::AlignRight | Qt::AlignVCenter, text);
        p.setPen(kText);
        p.drawText(l.track.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, text);
    } else if (!l.valueRow.isEmpty()) {
        p.setFont(pixelFont(l.textPx, true));
        p.setPen(palette().windowText().color());
        p.drawText(l.valueRow, Qt::AlignCenter, withUnit(model_));
    }
}

// ---- Meter -----------------------------------------------------------------------

namespace {

struct MeterLayout {
    QRectF face, header;
    qreal left = 0, right = 0, bandTop = 0, bandHeight = 5;
    int textPx = 9;
};

MeterLayout meterLayout(const QWidget& w) {
    MeterLayout l;
    l.face = QRectF(w.rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    l.textPx = std::clamp(w.height() / 4, 8, 11);
    l.header = QRectF(l.face.left() + 4, l.face.top(), l.face.width() - 8, l.textPx + 4);
    l.left = l.face.left() + 8;
    l.right = l.face.right() - 8;
    l.bandTop = l.header.bottom() + 3;
    return l;
}

}  // namespace

void MeterGauge::paintStatic(QPainter& p) {
    drawFace(p, rect());
    const MeterLayout l = meterLayout(*this);
    if (model_.show.name1) {
        p.setFont(fittedFont(qs(model_.name1()), l.header.width(), l.textPx, true));
        p.setPen(kDimText);
        p.drawText(l.header, Qt::AlignLeft | Qt::AlignVCenter, qs(model_.name1()));
    }
    // Bands, given in thousandths of the digital range.
    p.setPen(Qt::NoPen);
    p.setBrush(kTrack);
    p.drawRect(QRectF(l.left, l.bandTop, l.right - l.left, l.bandHeight));
    for (const ui::ColorBand& band : model_.bands) {
        const qreal x0 = l.left + (l.right - l.left) * std::clamp(band.from, 0, 1000) / 1000.0;
        const qreal x1 = l.left + (l.right - l.left) * std::clamp(band.to, 0, 1000) / 1000.0;
        QColor c = toQColor(band.color);
        c.setAlpha(210);
        p.setBrush(c);
        p.drawRect(QRectF(x0, l.bandTop, x1 - x0, l.bandHeight));
    }
    const int major = std::max(1, model_.scaleMajorSteps);
    const int minor = std::max(1, model_.scaleMinorSteps);
    const qreal tickTop = l.bandTop + l.bandHeight + 1;
    p.setFont(pixelFont(std::max(7, l.textPx - 1)));
    for (int i = 0; i <= major * minor; ++i) {
        const qreal x = l.left + (l.right - l.left) * i / (major * minor);
        const bool isMajor = i % minor == 0;
        p.setPen(QPen(isMajor ? kScale : kDimText, isMajor ? 1.2 : 0.8));
        p.drawLine(QPointF(x, tickTop), QPointF(x, tickTop + (isMajor ? 5 : 3)));
        if (isMajor) {
            p.setPen(kScale);
            p.drawText(QRectF(x - 20, tickTop + 5, 40, l.textPx + 2), Qt::AlignCenter,
                       scaleLabel(model_, i / minor, major));
        }
    }
}

void MeterGauge::paintDynamic(QPainter& p) {
    const MeterLayout l = meterLayout(*this);
    if (model_.show.value) {
        p.setFont(pixelFont(l.textPx, true));
        p.setPen(kText);
        p.drawText(l.header, Qt::AlignRight | Qt::AlignVCenter, withUnit(model_));
    }
    // Pointer: a wedge standing on the band.
    const qreal x = l.left + (l.right - l.left) * fractionOf(model_);
    QPainterPath wedge;
    wedge.moveTo(x, l.bandTop + l.bandHeight + 1);
    wedge.lineTo(x - 4.5, l.bandTop - 4);
    wedge.lineTo(x + 4.5, l.bandTop - 4);
    wedge.closeSubpath();
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(kText);
    p.drawPath(wedge);
}

// ---- Dial gauge ------------------------------------------------------------------

namespace {

struct DialLayout {
    QPointF centre;
    qreal radius = 0;
};

DialLayout dialLayout(const QWidget& w) {
    const qreal side = std::min<qreal>(w.width(), w.height() * 1.08);
    return {QPointF(w.width() / 2.0, side / 2.0 + 1), side / 2.0 - 2};
}

qreal dialAngle(qreal fraction) { return 225.0 - 270.0 * fraction; }

QPointF dialPoint(const DialLayout& l, qreal fraction, qreal r) {
    const qreal a = qDegreesToRadians(dialAngle(fraction));
    return QPointF(l.centre.x() + r * std::cos(a), l.centre.y() - r * std::sin(a));
}

}  // namespace

DialGauge::DialGauge(const ui::DisplayGauge& model, QWidget* parent) : SignalWidget(model, parent), gauge_(model) {}

QByteArray DialGauge::staticKey() const {
    return SignalWidget::staticKey() + QByteArray::number(gauge_.sectorOffset());
}

void DialGauge::paintStatic(QPainter& p) {
    const DialLayout l = dialLayout(*this);
    const qreal radius = l.radius;
    QRadialGradient face(l.centre, radius);
    face.setColorAt(0, kFace.lighter(125));
    face.setColorAt(0.85, kFace);
    face.setColorAt(1, kFace.darker(130));
    p.setPen(QPen(kFaceEdge, 1.5));
    p.setBrush(face);
    p.drawEllipse(l.centre, radius, radius);
    // Bands on an arc just inside the ticks; with the engine off they dim.
    const bool engineOff = gauge_.sectorOffset() > 0;
    const qreal bandRadius = radius * 0.80;
    const QRectF bandRect(l.centre.x() - bandRadius, l.centre.y() - bandRadius, 2 * bandRadius, 2 * bandRadius);
    for (const ui::ColorBand& band : model_.bands) {
        QColor c = toQColor(band.color);
        if (engineOff) c.setAlpha(80);
        p.setPen(QPen(c, radius * 0.09, Qt::SolidLine, Qt::FlatCap));
        const qreal from = std::clamp(band.from, 0, 1000) / 1000.0;
        const qreal to = std::clamp(band.to, 0, 1000) / 1000.0;
        p.drawArc(bandRect, qRound(dialAngle(from) * 16), qRound(-270.0 * (to - from) * 16));
    }
    const int major = std::max(1, model_.scaleMajorSteps);
    const int minor = std::max(1, model_.scaleMinorSteps);
    p.setFont(pixelFont(std::clamp(static_cast<int>(radius / 6), 7, 12), true));
    for (int i = 0; i <= major * minor; ++i) {
        const qreal f = static_cast<qreal>(i) / (major * minor);
        const bool isMajor = i % minor == 0;
        p.setPen(QPen(isMajor ? kScale : kDimText, isMajor ? 1.6 : 1.0));
        p.drawLine(dialPoint(l, f, radius * (isMajor ? 0.86 : 0.89)), dialPoint(l, f, radius * 0.95));
        if (isMajor) {
            const QPointF at = dialPoint(l, f, radius * 0.66);
            p.setPen(kText);
            p.drawText(QRectF(at.x() - 14, at.y() - 8, 28, 16), Qt::AlignCenter, scaleLabel(model_, i / minor, major));
        }
    }
    if (model_.show.unit) {
        p.setFont(pixelFont(std::clamp(static_cast<int>(radius / 7), 7, 11)));
        p.setPen(kDimText);
        p.drawText(QRectF(l.centre.x() - radius * 0.6, l.centre.y() + radius * 0.55, radius * 1.2, radius * 0.25),
                   Qt::AlignCenter, qs(model_.unit()));
    }
}

void DialGauge::paintDynamic(QPainter& p) {
    const DialLayout l = dialLayout(*this);
    const qreal radius = l.radius;
    const bool engineOff = gauge_.sectorOffset() > 0;
    p.setFont(pixelFont(std::clamp(static_cast<int>(radius / 5), 8, 14), true));
    p.setPen(engineOff ? kDimText : kReadout);
    p.drawText(QRectF(l.centre.x() - radius * 0.6, l.centre.y() + radius * 0.28, radius * 1.2, radius * 0.3),
               Qt::AlignCenter, look::valueText(model_));
    const qreal f = fractionOf(model_);
    const QPointF tip = dialPoint(l, f, radius * 0.84);
    if (gauge_.needleShape() == 2 || engineOff) {
        p.setPen(QPen(QColor(0xc8, 0xc8, 0xc8), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(l.centre, tip);
    } else {
        const qreal a = qDegreesToRadians(dialAngle(f));
        const QPointF across(std::sin(a) * radius * 0.035, std::cos(a) * radius * 0.035);
        QPainterPath needle;
        needle.moveTo(tip);
        needle.lineTo(l.centre + across);
        needle.lineTo(dialPoint(l, f, -radius * 0.14));
        needle.lineTo(l.centre - across);
        needle.closeSubpath();
        p.setPen(QPen(QColor(0x80, 0x10, 0x10), 0.8));
        p.setBrush(QColor(0xff, 0x45, 0x30));
        p.drawPath(needle);
    }
    p.setPen(QPen(QColor(0x2a, 0x30, 0x38), 1));
    p.setBrush(QColor(0x7a, 0x84, 0x8e));
    p.drawEllipse(l.centre, radius * 0.09, radius * 0.09);
}

// ---- Thermometer -------------------------------------------------------------------

namespace {

struct ThermoLayout {
    QRectF face, title, readout, tube;
    QPointF bulbCentre;
    qreal bulbRadius = 0, scaleTop = 0, scaleBottom = 0;
    int textPx = 9;
};

ThermoLayout thermoLayout(const QWidget& w, const ui::SignalControl& m) {
    ThermoLayout l;
    l.face = QRectF(w.rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    l.textPx = std::clamp(w.width() / 7, 8, 11);
    QRectF body = l.face;
    if (m.show.name1) {
        l.title = QRectF(l.face.left(), l.face.top(), l.face.width(), l.textPx + 6);
        body.setTop(l.title.bottom());
    }
    if (m.show.value) {
        l.readout = QRectF(l.face.left(), l.face.bottom() - l.textPx - 6, l.face.width(), l.textPx + 6);
        body.setBottom(l.readout.top());
    }
    l.bulbRadius = std::min<qreal>(9, body.width() / 6);
    const qreal tubeWidth = l.bulbRadius * 0.95;
    const qreal tubeX = body.left() + body.width() * 0.36;
    l.bulbCentre = QPointF(tubeX, body.bottom() - l.bulbRadius - 2);
    l.tube = QRectF(tubeX - tubeWidth / 2, body.top() + 6, tubeWidth, l.bulbCentre.y() - body.top() - 6);
    l.scaleTop = l.tube.top() + tubeWidth / 2 + 2;
    l.scaleBottom = l.tube.bottom() - 4;
    return l;
}

const QColor kMercury(0xe5, 0x39, 0x35);

}  // namespace

void Thermometer::paintStatic(QPainter& p) {
    drawFace(p, rect());
    const ThermoLayout l = thermoLayout(*this, model_);
    if (!l.title.isEmpty()) {
        p.setFont(fittedFont(qs(model_.name1()), l.title.width(), l.textPx + 1, true));
        p.setPen(kText);
        p.drawText(l.title, Qt::AlignCenter, qs(model_.name1()));
    }
    // Glass.
    const qreal w = l.tube.width();
    p.setPen(QPen(kFaceEdge.lighter(140), 1));
    p.setBrush(kTrack);
    p.drawRoundedRect(l.tube.adjusted(-1.5, -1.5, 1.5, 0), w / 2 + 1.5, w / 2 + 1.5);
    p.drawEllipse(l.bulbCentre, l.bulbRadius + 1.5, l.bulbRadius + 1.5);
    // Scale to the right of the tube.
    const int major = std::max(1, model_.scaleMajorSteps);
    const int minor = std::max(1, model_.scaleMinorSteps);
    p.setFont(pixelFont(std::max(7, l.textPx - 1)));
    const qreal tickLeft = l.tube.right() + 3;
    for (int i = 0; i <= major * minor; ++i) {
        const qreal y = l.scaleBottom - (l.scaleBottom - l.scaleTop) * i / (major * minor);
        const bool isMajor = i % minor == 0;
        p.setPen(QPen(isMajor ? kScale : kDimText, isMajor ? 1.1 : 0.7));
        p.drawLine(QPointF(tickLeft, y), QPointF(tickLeft + (isMajor ? 6 : 3), y));
        if (isMajor) {
            p.setPen(kScale);
            p.drawText(QRectF(tickLeft + 7, y - 6, l.face.right() - tickLeft - 7, 12), Qt::AlignLeft | Qt::AlignVCenter,
                       scaleLabel(model_, i / minor, major));
        }
    }
    // The bulb is always full.
    QRadialGradient bulb(l.bulbCentre - QPointF(l.bulbRadius / 3, l.bulbRadius / 3), l.bulbRadius * 1.2);
    bulb.setColorAt(0, kMercury.lighter(150));
    bulb.setColorAt(1, kMercury.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(bulb);
    p.drawEllipse(l.bulbCentre, l.bulbRadius, l.bulbRadius);
}

void Thermometer::paintDynamic(QPainter& p) {
    const ThermoLayout l = thermoLayout(*this, model_);
    const qreal level = l.scaleBottom - (l.scaleBottom - l.scaleTop) * fractionOf(model_);
    QLinearGradient g(l.tube.topLeft(), l.tube.topRight());
    g.setColorAt(0, kMercury.darker(130));
    g.setColorAt(0.4, kMercury.lighter(130));
    g.setColorAt(1, kMercury.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(l.tube.left() + 1.5, level, l.tube.width() - 3, l.bulbCentre.y() - l.bulbRadius * 0.7 - level));
    if (!l.readout.isEmpty()) {
        p.setFont(pixelFont(l.textPx + 1, true));
        p.setPen(kReadout);
        p.drawText(l.readout, Qt::AlignCenter, withUnit(model_));
    }
}

// ---- Value indicator ------------------------------------------------------------------

namespace {

struct ReadoutLayout {
    QRectF label, window, text;
    int valuePx = 9;
};

ReadoutLayout readoutLayout(const QWidget& w, const ui::SignalControl& m) {
    ReadoutLayout l;
    QRectF r = w.rect();
    if (m.show.name1) {
        l.label = QRectF(r.left(), r.top(), r.width(), std::max<qreal>(12, r.height() * 0.38));
        r.setTop(l.label.bottom());
    }
    l.window = r.adjusted(0.5, 0.5, -0.5, -0.5);
    l.text = l.window.adjusted(4, 0, -4, 0);
    l.valuePx = std::clamp(static_cast<int>(l.window.height() * 0.62), 9, 16);
    if (m.show.unit && !qs(m.unit()).trimmed().isEmpty()) {
        const QFontMetricsF metrics(pixelFont(std::max(8, l.valuePx - 4)));
        l.text.setRight(l.text.right() - metrics.horizontalAdvance(qs(m.unit()).trimmed()) - 6);
    }
    return l;
}

}  // namespace

void ValueIndicator::paintStatic(QPainter& p) {
    const ReadoutLayout l = readoutLayout(*this, model_);
    if (!l.label.isEmpty()) {
        const QString label = qs(model_.name1()).trimmed();
        p.setFont(fittedFont(label, l.label.width(), std::max(8, std::clamp(height() / 2, 9, 15) - 3), true));
        p.setPen(palette().windowText().color());
        p.drawText(l.label, Qt::AlignLeft | Qt::AlignVCenter, label);
    }
    p.setPen(QPen(kFaceEdge, 1));
    p.setBrush(kTrack);
    p.drawRoundedRect(l.window, 3, 3);
    if (model_.show.unit && !qs(model_.unit()).trimmed().isEmpty()) {
        p.setFont(pixelFont(std::max(8, l.valuePx - 4)));
        p.setPen(kDimText);
        p.drawText(QRectF(l.text.right() + 2, l.window.top(), l.window.right() - l.text.right() - 6, l.window.height()),
                   Qt::AlignRight | Qt::AlignVCenter, qs(model_.unit()).trimmed());
    }
}

void ValueIndicator::paintDynamic(QPainter& p) {
    const ReadoutLayout l = readoutLayout(*this, model_);
    p.setFont(pixelFont(l.valuePx, true));
    p.setPen(kReadout);
    p.drawText(l.text, Qt::AlignRight | Qt::AlignVCenter, look::valueText(model_));
}

}  // namespace qavi::qt
