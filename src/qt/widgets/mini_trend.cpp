#include "qt/widgets/mini_trend.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "qt/widgets/painting.h"
#include "ui/form/form.h"
#include "ui/form/value_format.h"

namespace qavi::qt {

using namespace look;

namespace {

const QColor kTraceColors[2] = {QColor(0xff, 0xc1, 0x07), QColor(0x29, 0xe0, 0xff)};

QString channelLabel(const ui::MiniTrend& trend, int channel, double v) {
    const ui::Form& form = trend.form();
    return qs(ui::formatFloat(v, trend.channels[channel].format, form.decimalSeparator(), form.thousandsSeparator()));
}

}  // namespace

MiniTrendWidget::MiniTrendWidget(const ui::MiniTrend& model, QWidget* parent) : QWidget(parent), model_(model) {}

void MiniTrendWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = drawFace(p, rect());
    const qreal scaleWidth = 30;
    const QRectF plot = face.adjusted(scaleWidth, 18, -scaleWidth, -6);
    p.setPen(Qt::NoPen);
    p.setBrush(kTrack);
    p.drawRect(plot);
    // Grid: ten columns, five rows.
    p.setPen(QPen(QColor(0x3a, 0x44, 0x4e), 0.8, Qt::DotLine));
    for (int i = 1; i < 10; ++i) {
        const qreal x = plot.left() + plot.width() * i / 10;
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (int i = 1; i < 5; ++i) {
        const qreal y = plot.top() + plot.height() * i / 5;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    p.setFont(pixelFont(9));
    for (int ch = 0; ch < 2; ++ch) {
        const auto& c = model_.channels[ch];
        // Scale texts for this channel, on its side.
        p.setPen(kTraceColors[ch]);
        for (int i = 0; i <= 5; ++i) {
            const qreal y = plot.bottom() - plot.height() * i / 5;
            const double v = c.valueFrom + (c.valueTo - c.valueFrom) * i / 5;
            const QRectF label = ch == 0 ? QRectF(face.left(), y - 6, scaleWidth - 3, 12)
                                         : QRectF(plot.right() + 3, y - 6, scaleWidth - 3, 12);
            p.drawText(label, (ch == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                       channelLabel(model_, ch, v));
        }
        // Channel description at the top.
        QString title = qs(c.name1).trimmed();
        if (!qs(c.name2).trimmed().isEmpty()) title += ' ' + qs(c.name2).trimmed();
        if (!qs(c.unit).trimmed().isEmpty()) title += " [" + qs(c.unit).trimmed() + ']';
        if (!c.samples.empty()) title += "  " + channelLabel(model_, ch, c.samples.back());
        p.setFont(pixelFont(10, true));
        p.drawText(QRectF(plot.left() + 4, face.top(), plot.width() - 8, 16),
                   (ch == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, title);
        p.setFont(pixelFont(9));
        // The trace: one sample per pixel step, the newest on the right.
        const double span = c.valueTo - c.valueFrom;
        if (c.samples.size() < 2 || span == 0) continue;
        const qreal step = std::max(1, model_.timeScale);
        const auto visible = std::min<std::size_t>(c.samples.size(), static_cast<std::size_t>(plot.width() / step) + 1);
        QPainterPath path;
        for (std::size_t i = 0; i < visible; ++i) {
            const double v = c.samples[c.samples.size() - visible + i];
            const qreal x = plot.right() - (visible - 1 - i) * step;
            const qreal y = plot.bottom() - plot.height() * std::clamp((v - c.valueFrom) / span, 0.0, 1.0);
            if (i == 0) {
                path.moveTo(x, y);
            } else {
                path.lineTo(x, y);
            }
        }
        p.setPen(QPen(kTraceColors[ch], 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

}  // namespace qavi::qt
