#pragma once

// Instruments drawn over the signal model: bars, meters, the dial gauge,
// thermometers and value indicators. They read the model when they paint;
// the binding only asks them to repaint.

#include <QByteArray>
#include <QColor>
#include <QPixmap>
#include <QWidget>

#include "ui/form/widgets.h"

namespace qavi::qt {

class SignalWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double value READ value)
    Q_PROPERTY(double valueFrom READ valueFrom)
    Q_PROPERTY(double valueTo READ valueTo)
    Q_PROPERTY(int digitalValue READ digitalValue)
    Q_PROPERTY(int digitalFrom READ digitalFrom)
    Q_PROPERTY(int digitalTo READ digitalTo)
    Q_PROPERTY(QString name1 READ name1)
    Q_PROPERTY(QString name2 READ name2)
    Q_PROPERTY(QString unit READ unit)
    Q_PROPERTY(QString valueText READ valueText)
    Q_PROPERTY(QColor barColor READ barColor)
public:
    SignalWidget(const ui::SignalControl& model, QWidget* parent);

    double value() const { return model_.value(); }
    double valueFrom() const { return model_.valueFrom(); }
    double valueTo() const { return model_.valueTo(); }
    int digitalValue() const { return model_.digitalValue(); }
    int digitalFrom() const { return model_.digitalFrom(); }
    int digitalTo() const { return model_.digitalTo(); }
    QString name1() const;
    QString name2() const;
    QString unit() const;
    QString valueText() const;
    QColor barColor() const;

    const ui::SignalControl& model() const { return model_; }

protected:
    // Instruments paint in two layers: what changes only with the signal's
    // description (face, scale, bands, labels) is kept in a pixmap made at the
    // screen's pixel ratio; the value is drawn over it on every repaint.
    void paintEvent(QPaintEvent*) override;
    virtual void paintStatic(QPainter&) {}
    virtual void paintDynamic(QPainter&) {}
    // Everything the static layer depends on.
    virtual QByteArray staticKey() const;

    const ui::SignalControl& model_;

private:
    QPixmap cache_;
    QByteArray cacheKey_;
};

// Vertical or horizontal bar with an optional scale.
class BarGauge : public SignalWidget {
    Q_OBJECT
public:
    using SignalWidget::SignalWidget;

protected:
    void paintStatic(QPainter& p) override;
    void paintDynamic(QPainter& p) override;

private:
    bool horizontal() const;
    struct Layout {
        QRectF face, track, valueRow, nameRow, labelColumn;
        int textPx = 9;
    };
    Layout layout() const;
};

// Horizontal meter: a scale with colour bands and a pointer.
class MeterGauge : public SignalWidget {
    Q_OBJECT
public:
    using SignalWidget::SignalWidget;

protected:
    void paintStatic(QPainter& p) override;
    void paintDynamic(QPainter& p) override;
};

// The 270° dial gauge with bands and a needle; its sector offset and needle
// shape give the "engine off" look.
class DialGauge : public SignalWidget {
    Q_OBJECT
    Q_PROPERTY(int sectorOffset READ sectorOffset)
    Q_PROPERTY(int needleShape READ needleShape)
public:
    DialGauge(const ui::DisplayGauge& model, QWidget* parent);
    int sectorOffset() const { return gauge_.sectorOffset(); }
    int needleShape() const { return gauge_.needleShape(); }

protected:
    void paintStatic(QPainter& p) override;
    void paintDynamic(QPainter& p) override;
    QByteArray staticKey() const override;

private:
    const ui::DisplayGauge& gauge_;
};

class Thermometer : public SignalWidget {
    Q_OBJECT
public:
    using SignalWidget::SignalWidget;

protected:
    void paintStatic(QPainter& p) override;
    void paintDynamic(QPainter& p) override;
};

// A read-out: the value in a dark window, with name and unit as configured.
class ValueIndicator : public SignalWidget {
    Q_OBJECT
public:
    using SignalWidget::SignalWidget;

protected:
    void paintStatic(QPainter& p) override;
    void paintDynamic(QPainter& p) override;
};

}  // namespace qavi::qt
