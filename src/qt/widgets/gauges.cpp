#include "qt/widgets/gauges.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

#include "qt/widgets/painting.h"

namespace qavi::qt {

using namespace look;

SignalWidget::SignalWidget(const ui::SignalControl& model, QWidget* parent) : QWidget(parent), model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QString SignalWidget::name1() const { return qs(model_.name1()); }
QString SignalWidget::name2() const { return qs(model_.name2()); }
QString SignalWidget::unit() const { return qs(model_.unit()); }
QString SignalWidget::valueText() const { return look::valueText(model_); }
QColor SignalWidget::barColor() const { return toQColor(model_.barColor); }

namespace {

QString withUnit(const ui::SignalControl& s) {
    QString text = valueText(s);
    if (s.show.unit && !s.unit().empty()) text += ' ' + qs(s.unit()).trimmed();
    return text;
}

QLinearGradient barGradient(const QRectF& r, const QColor& c, bool vertical) {
    QLinearGradient g(vertical ? r.topLeft() : r.topLeft(), vertical ? r.topRight() : r.bottomLeft());
    g.setColorAt(0, c.darker(135));
    g.setColorAt(0.45, c.lighter(115));
    g.setColorAt(1, c.darker(150));
    return g;
}

}  // namespace

// ---- Bars ------------------------------------------------------------------------

void BarGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    applyEnabledOpacity(p, isEnabled());
    const auto* gauge = dynamic_cast<const ui::DisplayGauge*>(&model_);
    if (gauge && gauge->horizontal) {
        paintHorizontal(p);
    } else {
        paintVertical(p);
    }
}

void BarGauge::paintVertical(QPainter& p) {
    QRectF r = rect();
    const int textPx = std::clamp(height() / 11, 9, 12);
    const QFont font = pixelFont(textPx, true);
    p.setFont(font);
    if (model_.show.value) {
        const QRectF top(r.left(), r.top(), r.width(), textPx + 6);
        p.setPen(palette().windowText().color());
        p.drawText(top, Qt::AlignCenter, withUnit(model_));
        r.setTop(top.bottom() + 1);
    }
    if (model_.show.name2 && !qs(model_.name2()).trimmed().isEmpty()) {
        const QRectF bottom(r.left(), r.bottom() - textPx - 4, r.width(), textPx + 4);
        p.setPen(palette().windowText().color());
        p.setFont(pixelFont(textPx));
        p.drawText(bottom, Qt::AlignCenter, qs(model_.name2()).trimmed());
        r.setBottom(bottom.top() - 1);
    }
    const QRectF face = drawFace(p, r);
    // Scale labels on the left when there is room, the bar on the right.
    const bool labels = model_.showScale && face.width() >= 34;
    const qreal labelWidth = labels ? std::min<qreal>(20, face.width() * 0.42) : 0;
    QRectF track(face.left() + labelWidth + 4, face.top() + 5, 0, face.height() - 10);
    track.setRight(face.right() - 3);
    if (track.width() > 22) track.setLeft(track.right() - 22);

    const int major = std::max(1, model_.scaleMajorSteps);
    const int minor = std::max(1, model_.scaleMinorSteps);
    p.setFont(pixelFont(std::max(7, textPx - 2)));
    for (int i = 0; i <= major * minor; ++i) {
        const qreal y = track.bottom() - track.height() * i / (major * minor);
        const bool isMajor = i % minor == 0;
        p.setPen(QPen(isMajor ? kScale : kDimText, isMajor ? 1.2 : 0.8));
        p.drawLine(QPointF(track.left() - (isMajor ? 4 : 2), y), QPointF(track.left() - 1, y));
        if (labels && isMajor) {
            p.setPen(kScale);
            p.drawText(QRectF(face.left(), y - 6, labelWidth, 12), Qt::AlignRight | Qt::AlignVCenter,
                       scaleLabel(model_, i / minor, major));
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kTrack);
    p.drawRoundedRect(track, 2, 2);
    const qreal f = fractionOf(model_);
    if (f > 0) {
        QRectF fill = track.adjusted(1, 0, -1, -1);
        fill.setTop(track.bottom() - (track.height() - 1) * f);
        p.setBrush(barGradient(fill, toQColor(model_.barColor), true));
        p.drawRoundedRect(fill, 1.5, 1.5);
    }
}

void BarGauge::paintHorizontal(QPainter& p) {
    const QRectF face = drawFace(p, rect(), 3);
    const QRectF track = face.adjusted(1, 1, -1, -1);
    p.setPen(Qt::NoPen);
    p.setBrush(kTrack);
    p.drawRoundedRect(track, 2, 2);
    const qreal f = fractionOf(model_);
    if (f > 0) {
        QRectF fill = track.adjusted(0, 1, 0, -1);
        fill.setWidth(track.width() * f);
        p.setBrush(barGradient(fill, toQColor(model_.barColor), false));
        p.drawRoundedRect(fill, 1.5, 1.5);
    }
    // Scale marks along the lower edge.
    const int major = std::max(1, model_.scaleMajorSteps);
    p.setPen(QPen(kDimText, 1));
    for (int i = 1; i < major; ++i) {
        const qreal x = track.left() + track.width() * i / major;
        p.drawLine(QPointF(x, track.bottom() - 4), QPointF(x, track.bottom()));
    }
    const int textPx = std::clamp(static_cast<int>(track.height() * 0.6), 9, 13);
    p.setFont(pixelFont(textPx, true));
    QString text;
    if (model_.show.name1) text = qs(model_.name1()).trimmed() + "  ";
    if (model_.show.value) text += withUnit(model_);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(track.adjusted(0, 1, -5, 1), Qt::AlignRight | Qt::AlignVCenter, text);
    p.setPen(kText);
    p.drawText(track.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, text);
}

// ---- Meter -----------------------------------------------------------------------

void MeterGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    applyEnabledOpacity(p, isEnabled());
    const QRectF face = drawFace(p, rect());
    const int textPx = std::clamp(height() / 4, 8, 11);
    QRectF header(face.left() + 4, face.top(), face.width() - 8, textPx + 4);
    p.setFont(pixelFont(textPx, true));
    if (model_.show.name1) {
        p.setPen(kDimText);
        p.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, qs(model_.name1()));
    }
    if (model_.show.value) {
        p.setPen(kText);
        p.drawText(header, Qt::AlignRight | Qt::AlignVCenter, withUnit(model_));
    }
    const qreal left = face.left() + 8;
    const qreal right = face.right() - 8;
    const qreal bandTop = header.bottom() + 3;
    const qreal bandHeight = 5;
    // Bands, given in thousandths of the digital range.
    p.setPen(Qt::NoPen);
    p.setBrush(kTrack);
    p.drawRect(QRectF(left, bandTop, right - left, bandHeight));
    for (const ui::ColorBand& band : model_.bands) {
        const qreal x0 = left + (right - left) * std::clamp(band.from, 0, 1000) / 1000.0;
        const qreal x1 = left + (right - left) * std::clamp(band.to, 0, 1000) / 1000.0;
        QColor c = toQColor(band.color);
        c.setAlpha(210);
        p.setBrush(c);
        p.drawRect(QRectF(x0, bandTop, x1 - x0, bandHeight));
    }
    const int major = std::max(1, model_.scaleMajorSteps);
    const int minor = std::max(1, model_.scaleMinorSteps);
    const qreal tickTop = bandTop + bandHeight + 1;
    p.setFont(pixelFont(std::max(7, textPx - 1)));
    for (int i = 0; i <= major * minor; ++i) {
        const qreal x = left + (right - left) * i / (major * minor);
        const bool isMajor = i % minor == 0;
        p.setPen(QPen(isMajor ? kScale : kDimText, isMajor ? 1.2 : 0.8));
        p.drawLine(QPointF(x, tickTop), QPointF(x, tickTop + (isMajor ? 5 : 3)));
        if (isMajor) {
            p.setPen(kScale);
            const QRectF labelRect(x - 20, tickTop + 5, 40, textPx + 2);
            p.drawText(labelRect, Qt::AlignCenter, scaleLabel(model_, i / minor, major));
        }
    }
    // Pointer: a wedge standing on the band.
    const qreal x = left + (right - left) * fractionOf(model_);
    QPainterPath wedge;
    wedge.moveTo(x, bandTop + bandHeight + 1);
    wedge.lineTo(x - 4.5, bandTop - 4);
    wedge.lineTo(x + 4.5, bandTop - 4);
    wedge.closeSubpath();
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(kText);
    p.drawPath(wedge);
}

// ---- Dial gauge ------------------------------------------------------------------

DialGauge::DialGauge(const ui::DisplayGauge& model, QWidget* parent) : SignalWidget(model, parent), gauge_(model) {}

void DialGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    applyEnabledOpacity(p, isEnabled());
    const qreal side = std::min<qreal>(width(), height() * 1.08);
    const QPointF centre(width() / 2.0, side / 2.0 + 1);
    const qreal radius = side / 2.0 - 2;
    // Face.
    QRadialGradient face(centre, radius);
    face.setColorAt(0, kFace.lighter(125));
    face.setColorAt(0.85, kFace);
    face.setColorAt(1, kFace.darker(130));
    p.setPen(QPen(kFaceEdge, 1.5));
    p.setBrush(face);
    p.drawEllipse(centre, radius, radius);

    const bool engineOff = gauge_.sectorOffset() > 0;
    auto angleOf = [](qreal fraction) { return 225.0 - 270.0 * fraction; };
    auto pointAt = [&](qreal fraction, qreal r) {
        const qreal a = qDegreesToRadians(angleOf(fraction));
        return QPointF(centre.x() + r * std::cos(a), centre.y() - r * std::sin(a));
    };
    // Bands on an arc just inside the ticks; with the engine off they dim.
    const qreal bandRadius = radius * 0.80;
    const QRectF bandRect(centre.x() - bandRadius, centre.y() - bandRadius, 2 * bandRadius, 2 * bandRadius);
    for (const ui::ColorBand& band : model_.bands) {
        QColor c = toQColor(band.color);
        if (engineOff) c.setAlpha(80);
        p.setPen(QPen(c, radius * 0.09, Qt::SolidLine, Qt::FlatCap));
        const qreal from = std::clamp(band.from, 0, 1000) / 1000.0;
        const qreal to = std::clamp(band.to, 0, 1000) / 1000.0;
        p.drawArc(bandRect, qRound(angleOf(from) * 16), qRound(-270.0 * (to - from) * 16));
    }
    // Ticks and labels.
    const int major = std::max(1, model_.scaleMajorSteps);
    const int minor = std::max(1, model_.scaleMinorSteps);
    const int labelPx = std::clamp(static_cast<int>(radius / 6), 7, 12);
    p.setFont(pixelFont(labelPx, true));
    for (int i = 0; i <= major * minor; ++i) {
        const qreal f = static_cast<qreal>(i) / (major * minor);
        const bool isMajor = i % minor == 0;
        p.setPen(QPen(isMajor ? kScale : kDimText, isMajor ? 1.6 : 1.0));
        p.drawLine(pointAt(f, radius * (isMajor ? 0.86 : 0.89)), pointAt(f, radius * 0.95));
        if (isMajor) {
            const QPointF at = pointAt(f, radius * 0.66);
            p.setPen(kText);
            p.drawText(QRectF(at.x() - 14, at.y() - 8, 28, 16), Qt::AlignCenter, scaleLabel(model_, i / minor, major));
        }
    }
    // Readout in the lower opening of the dial.
    p.setFont(pixelFont(std::clamp(static_cast<int>(radius / 5), 8, 14), true));
    p.setPen(engineOff ? kDimText : kReadout);
    p.drawText(QRectF(centre.x() - radius * 0.6, centre.y() + radius * 0.28, radius * 1.2, radius * 0.3),
               Qt::AlignCenter, look::valueText(model_));
    if (model_.show.unit) {
        p.setFont(pixelFont(std::clamp(static_cast<int>(radius / 7), 7, 11)));
        p.setPen(kDimText);
        p.drawText(QRectF(centre.x() - radius * 0.6, centre.y() + radius * 0.55, radius * 1.2, radius * 0.25),
                   Qt::AlignCenter, qs(model_.unit()));
    }
    // Needle.
    const qreal f = fractionOf(model_);
    const QPointF tip = pointAt(f, radius * 0.84);
    if (gauge_.needleShape() == 2 || engineOff) {
        p.setPen(QPen(QColor(0xc8, 0xc8, 0xc8), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre, tip);
    } else {
        const qreal a = qDegreesToRadians(angleOf(f));
        const QPointF across(std::sin(a) * radius * 0.035, std::cos(a) * radius * 0.035);
        const QPointF tail = pointAt(f, -radius * 0.14);
        QPainterPath needle;
        needle.moveTo(tip);
        needle.lineTo(centre + across);
        needle.lineTo(tail);
        needle.lineTo(centre - across);
        needle.closeSubpath();
        p.setPen(QPen(QColor(0x80, 0x10, 0x10), 0.8));
        p.setBrush(QColor(0xff, 0x45, 0x30));
        p.drawPath(needle);
    }
    QRadialGradient hub(centre, radius * 0.09);
    hub.setColorAt(0, QColor(0x9a, 0xa4, 0xae));
    hub.setColorAt(1, QColor(0x3a, 0x40, 0x48));
    p.setPen(Qt::NoPen);
    p.setBrush(hub);
    p.drawEllipse(centre, radius * 0.09, radius * 0.09);
}

// ---- Thermometer -------------------------------------------------------------------

void Thermometer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    applyEnabledOpacity(p, isEnabled());
    const QRectF face = drawFace(p, rect());
    const int textPx = std::clamp(width() / 7, 8, 11);
    QRectF body = face;
    if (model_.show.name1) {
        p.setFont(pixelFont(textPx + 1, true));
        p.setPen(kText);
        p.drawText(QRectF(face.left(), face.top(), face.width(), textPx + 6), Qt::AlignCenter, qs(model_.name1()));
        body.setTop(face.top() + textPx + 6);
    }
    if (model_.show.value) {
        p.setFont(pixelFont(textPx + 1, true));
        p.setPen(kReadout);
        const QRectF bottom(face.left(), face.bottom() - textPx - 6, face.width(), textPx + 6);
        p.drawText(bottom, Qt::AlignCenter, withUnit(model_));
        body.setBottom(bottom.top());
    }
    const qreal bulbRadius = std::min<qreal>(9, body.width() / 6);
    const qreal tubeWidth = bulbRadius * 0.95;
    const qreal tubeX = body.left() + body.width() * 0.36;
    const QPointF bulbCentre(tubeX, body.bottom() - bulbRadius - 2);
    const QRectF tube(tubeX - tubeWidth / 2, body.top() + 6, tubeWidth, bulbCentre.y() - body.top() - 6);
    const qreal scaleTop = tube.top() + tubeWidth / 2 + 2;
    const qreal scaleBottom = tube.bottom() - 4;
    // Glass.
    p.setPen(QPen(kFaceEdge.lighter(140), 1));
    p.setBrush(kTrack);
    p.drawRoundedRect(tube.adjusted(-1.5, -1.5, 1.5, 0), tubeWidth / 2 + 1.5, tubeWidth / 2 + 1.5);
    p.drawEllipse(bulbCentre, bulbRadius + 1.5, bulbRadius + 1.5);
    // Mercury.
    const QColor mercury(0xe5, 0x39, 0x35);
    const qreal level = scaleBottom - (scaleBottom - scaleTop) * fractionOf(model_);
    QLinearGradient g(tube.topLeft(), tube.topRight());
    g.setColorAt(0, mercury.darker(130));
    g.setColorAt(0.4, mercury.lighter(130));
    g.setColorAt(1, mercury.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(tube.left() + 1.5, level, tube.width() - 3, bulbCentre.y() - level));
    QRadialGradient bulb(bulbCentre - QPointF(bulbRadius / 3, bulbRadius / 3), bulbRadius * 1.2);
    bulb.setColorAt(0, mercury.lighter(150));
    bulb.setColorAt(1, mercury.darker(120));
    p.setBrush(bulb);
    p.drawEllipse(bulbCentre, bulbRadius, bulbRadius);
    // Scale to the right of the tube.
    const int major = std::max(1, model_.scaleMajorSteps);
    const int minor = std::max(1, model_.scaleMinorSteps);
    p.setFont(pixelFont(std::max(7, textPx - 1)));
    const qreal tickLeft = tube.right() + 3;
    for (int i = 0; i <= major * minor; ++i) {
        const qreal y = scaleBottom - (scaleBottom - scaleTop) * i / (major * minor);
        const bool isMajor = i % minor == 0;
        p.setPen(QPen(isMajor ? kScale : kDimText, isMajor ? 1.1 : 0.7));
        p.drawLine(QPointF(tickLeft, y), QPointF(tickLeft + (isMajor ? 6 : 3), y));
        if (isMajor) {
            p.setPen(kScale);
            p.drawText(QRectF(tickLeft + 7, y - 6, face.right() - tickLeft - 7, 12), Qt::AlignLeft | Qt::AlignVCenter,
                       scaleLabel(model_, i / minor, major));
        }
    }
}

// ---- Value indicator ------------------------------------------------------------------

void ValueIndicator::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    applyEnabledOpacity(p, isEnabled());
    QRectF r = rect();
    const int textPx = std::clamp(height() / 2, 9, 15);
    if (model_.show.name1) {
        const QString name = qs(model_.name1()).trimmed();
        p.setFont(pixelFont(std::max(8, textPx - 3), true));
        p.setPen(palette().windowText().color());
        const QRectF label(r.left(), r.top(), r.width(), std::max<qreal>(12, r.height() * 0.38));
        p.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, name);
        r.setTop(label.bottom());
    }
    const QRectF window = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(kFaceEdge, 1));
    p.setBrush(kTrack);
    p.drawRoundedRect(window, 3, 3);
    QRectF text = window.adjusted(4, 0, -4, 0);
    const int valuePx = std::clamp(static_cast<int>(window.height() * 0.62), 9, 16);
    if (model_.show.unit && !qs(model_.unit()).trimmed().isEmpty()) {
        p.setFont(pixelFont(std::max(8, valuePx - 4)));
        p.setPen(kDimText);
        const QString unit = qs(model_.unit()).trimmed();
        const qreal w = p.fontMetrics().horizontalAdvance(unit) + 4;
        p.drawText(QRectF(text.right() - w, text.top(), w, text.height()), Qt::AlignRight | Qt::AlignVCenter, unit);
        text.setRight(text.right() - w - 2);
    }
    p.setFont(pixelFont(valuePx, true));
    p.setPen(kReadout);
    p.drawText(text, Qt::AlignRight | Qt::AlignVCenter, look::valueText(model_));
}

}  // namespace qavi::qt
