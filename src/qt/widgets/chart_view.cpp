#include "qt/widgets/chart_view.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <cmath>

#include "qt/widgets/painting.h"

namespace qavi::qt {

using look::qs;
using look::toQColor;

namespace {

// Distinct colours for series that bring none of their own.
const QColor kSeriesColors[] = {QColor(0x1f, 0x77, 0xd4), QColor(0x9a, 0x9a, 0x9a), QColor(0x9a, 0x9a, 0x9a),
                                QColor(0x2c, 0x2c, 0x2c), QColor(0x22, 0xa0, 0x45), QColor(0xd6, 0x3a, 0x2a),
                                QColor(0x22, 0xa0, 0x45), QColor(0xd6, 0x3a, 0x2a)};

}  // namespace

ChartView::ChartView(ui::Chart& model, QWidget* parent)
    : QChartView(parent), model_(model), left_(new QValueAxis), right_(new QValueAxis), bottom_(new QValueAxis) {
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(0);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->addAxis(bottom_, Qt::AlignBottom);
    chart->addAxis(left_, Qt::AlignLeft);
    chart->addAxis(right_, Qt::AlignRight);
    QFont labels = font();
    labels.setPointSizeF(labels.pointSizeF() * 0.85);
    QFont titles = labels;
    titles.setBold(true);
    for (QValueAxis* axis : {left_, right_, bottom_}) {
        axis->setLabelsFont(labels);
        axis->setTitleFont(titles);
        axis->setTruncateLabels(false);
    }
    for (std::size_t i = 0; i < model_.series.size(); ++i) {
        const ui::ChartSeries& s = model_.series[i];
        QXYSeries* series = nullptr;
        if (s.drawLine) {
            series = new QLineSeries;
        } else {
            auto* scatter = new QScatterSeries;
            scatter->setMarkerSize(6);
            scatter->setBorderColor(Qt::transparent);
            series = scatter;
        }
        series->setObjectName(qs(s.name));
        series->setColor(kSeriesColors[i % std::size(kSeriesColors)]);
        chart->addSeries(series);
        series->attachAxis(bottom_);
        series->attachAxis(s.rightAxis ? right_ : left_);
        const int seriesIndex = static_cast<int>(i);
        connect(series, &QXYSeries::clicked, this, [this, series, seriesIndex](const QPointF& at) {
            int nearest = -1;
            qreal best = 0;
            for (int k = 0; k < series->count(); ++k) {
                const qreal d = std::abs(series->at(k).x() - at.x());
                if (nearest < 0 || d < best) {
                    nearest = k;
                    best = d;
                }
            }
            if (nearest >= 0) emit pointClicked(seriesIndex, nearest);
        });
        series_.push_back(series);
    }
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::NoRubberBand);
    connect(chart, &QChart::plotAreaChanged, this, [this] { publishPlotArea(); });
    sync();
}

namespace {

// 1, 2 or 5 times a power of ten: a tick step a reader can add up.
double niceStep(double rough) {
    if (rough <= 0) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= rough) return m * power;
    }
    return 10 * power;
}

}  // namespace

void ChartView::syncAxis(QValueAxis* axis, const ui::ChartAxis& m) {
    axis->setRange(m.minimum, m.maximum);
    axis->setTitleText(qs(m.title));
    axis->setVisible(m.visible);
    axis->setGridLineVisible(m.grid);
    axis->setMinorTickCount(m.minorTicks);
    const double span = m.maximum - m.minimum;
    // The model's increment where it leaves room for the labels, a multiple of it otherwise.
    double interval = 0;
    if (m.increment > 0) {
        interval = m.increment * std::max(1.0, std::ceil(span / m.increment / 10.0));
    } else {
        interval = niceStep(span / 10.0);
    }
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(m.increment > 0 ? m.minimum : std::ceil(m.minimum / interval) * interval);
    axis->setTickInterval(interval);
    const double rest = interval - std::floor(interval);
    axis->setLabelFormat(rest < 1e-9 ? "%.0f" : interval >= 0.1 ? "%.1f" : "%.2f");
}

void ChartView::sync() {
    syncAxis(left_, model_.leftAxis);
    syncAxis(right_, model_.rightAxis);
    syncAxis(bottom_, model_.bottomAxis);
    for (std::size_t i = 0; i < series_.size() && i < model_.series.size(); ++i) {
        const ui::ChartSeries& s = model_.series[i];
        QXYSeries* series = series_[i];
        series->setName(qs(s.title));
        series->setVisible(s.visible);
        if (s.color) series->setColor(toQColor(*s.color));
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(s.points.size()));
        for (const ui::ChartPoint& pt : s.points) points.append(QPointF(pt.x, pt.y));
        series->clearPointsConfiguration();
        series->replace(points);
        // A coloured point shows on a line only when it is also made visible.
        for (std::size_t k = 0; k < s.points.size(); ++k) {
            if (!s.points[k].color) continue;
            series->setPointConfiguration(static_cast<int>(k),
                                          {{QXYSeries::PointConfiguration::Color, toQColor(*s.points[k].color)},
                                           {QXYSeries::PointConfiguration::Visibility, true}});
        }
    }
}

void ChartView::publishPlotArea() {
    const QRectF area = chart()->plotArea();
    const QPoint topLeft = mapFromScene(chart()->mapToScene(area.topLeft()));
    model_.plotArea = ui::Rect{topLeft.x(), topLeft.y(), qRound(area.width()), qRound(area.height())};
}

void ChartView::resizeEvent(QResizeEvent* e) {
    QChartView::resizeEvent(e);
    publishPlotArea();
}

}  // namespace qavi::qt
