#pragma once

// LEDs and the two-position switch.

#include <QColor>
#include <QTimer>
#include <QWidget>

#include "ui/form/widgets.h"

namespace qavi::qt {

// A lamp with a caption above it or to its left. A lit, flashing LED blinks at
// its own frequency.
class LedWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool checked READ checked)
    Q_PROPERTY(bool lit READ lit)
    Q_PROPERTY(bool flashing READ flashing)
    Q_PROPERTY(int flashHz READ flashHz)
    Q_PROPERTY(QColor onColor READ onColor)
    Q_PROPERTY(QColor offColor READ offColor)
    Q_PROPERTY(QString caption READ caption)
    Q_PROPERTY(int blinkIntervalMs READ blinkIntervalMs)
public:
    LedWidget(const ui::Led& model, QWidget* parent);
    bool checked() const { return model_.checked(); }
    // Lit right now, the blink phase included.
    bool lit() const { return model_.checked() && (!model_.flashing() || phaseOn_); }
    bool flashing() const { return model_.flashing(); }
    int flashHz() const { return model_.flashHz(); }
    QColor onColor() const;
    QColor offColor() const;
    QString caption() const;
    // Half a flash period while blinking; 0 when steady.
    int blinkIntervalMs() const { return blink_.isActive() ? blink_.interval() : 0; }
    // Starts or stops the blink timer to match the model.
    void sync();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const ui::Led& model_;
    QTimer blink_;
    bool phaseOn_ = true;
};

class SwitchWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool checked READ checked)
    Q_PROPERTY(QString text READ text)
    Q_PROPERTY(QString onText READ onText)
    Q_PROPERTY(QString offText READ offText)
    Q_PROPERTY(QColor onColor READ onColor)
    Q_PROPERTY(QColor offColor READ offColor)
    Q_PROPERTY(bool switchMode READ switchMode)
public:
    SwitchWidget(const ui::Switch& model, QWidget* parent);
    bool checked() const { return model_.checked(); }
    QString text() const;
    QString onText() const;
    QString offText() const;
    QColor onColor() const;
    QColor offColor() const;
    bool switchMode() const { return model_.switchMode; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    const ui::Switch& model_;
};

}  // namespace qavi::qt
