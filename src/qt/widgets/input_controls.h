#pragma once

// The user's input instruments: the dial and the vertical slider. They show the
// model and ask for digital values; the binding passes the requests on to the
// model, which clips and snaps them and raises the events.

#include <QWidget>
#include <optional>

#include "qt/widgets/gauges.h"

namespace qavi::qt {

class InputWidget : public SignalWidget {
    Q_OBJECT
public:
    InputWidget(const ui::InputControl& model, QWidget* parent);

signals:
    // The user moved the control to this digital value.
    void digitalRequested(int digital);
    // The user let go of a key or the left mouse button.
    void released();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

    // Digital value under the mouse position, if the position maps to one.
    virtual std::optional<int> digitalAt(QPointF pos) const = 0;
    int digitalOfFraction(qreal f) const;

    const ui::InputControl& input_;

private:
    std::optional<int> keyTarget(int key) const;
    bool dragging_ = false;
};

// A knob with a 270° scale.
class InputDial : public InputWidget {
    Q_OBJECT
public:
    using InputWidget::InputWidget;

protected:
    void paintEvent(QPaintEvent*) override;
    std::optional<int> digitalAt(QPointF pos) const override;

private:
    QPointF centre() const;
    qreal radius() const;
};

// A vertical slider with a scale.
class VerticalSlider : public InputWidget {
    Q_OBJECT
public:
    using InputWidget::InputWidget;

protected:
    void paintEvent(QPaintEvent*) override;
    std::optional<int> digitalAt(QPointF pos) const override;

private:
    QRectF trackRect() const;
};

}  // namespace qavi::qt
