#include "qt/widgets/painting.h"

#include <QApplication>
#include <QFontMetricsF>
#include <algorithm>

#include "ui/form/form.h"
#include "ui/form/value_format.h"

namespace qavi::qt::look {

QRectF drawFace(QPainter& p, const QRectF& r, qreal radius) {
    const QRectF face = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, kFace.lighter(112));
    g.setColorAt(1, kFace);
    p.setPen(QPen(kFaceEdge, 1));
    p.setBrush(g);
    p.drawRoundedRect(face, radius, radius);
    return face.adjusted(2, 2, -2, -2);
}

qreal fractionOf(const ui::SignalControl& s, double value) {
    const double span = s.valueTo() - s.valueFrom();
    if (span == 0) return 0;
    return std::clamp((value - s.valueFrom()) / span, 0.0, 1.0);
}

qreal fractionOf(const ui::SignalControl& s) { return fractionOf(s, s.value()); }

QString scaleLabel(const ui::SignalControl& s, int i, int steps) {
    const double from = s.valueFrom() < 0.001 && s.valueFrom() > 0 ? 0.0 : s.valueFrom();
    const double v = from + (s.valueTo() - from) * i / std::max(1, steps);
    const ui::Form& form = s.form();
    return qs(ui::formatFloat(v, s.scaleFormat, form.decimalSeparator(), form.thousandsSeparator()));
}

QString valueText(const ui::SignalControl& s) { return qs(s.valueText()); }

QFont pixelFont(int px, bool bold) {
    QFont f = QApplication::font();
    f.setPixelSize(std::max(6, px));
    f.setBold(bold);
    return f;
}

QFont fittedFont(const QString& text, qreal width, int px, bool bold, int minPx) {
    QFont f = pixelFont(px, bold);
    for (int size = px; size >= minPx; --size) {
        f.setPixelSize(size);
        if (QFontMetricsF(f).horizontalAdvance(text) <= width) break;
    }
    return f;
}

void applyEnabledOpacity(QPainter& p, bool enabled) { p.setOpacity(enabled ? 1.0 : 0.45); }

}  // namespace qavi::qt::look
