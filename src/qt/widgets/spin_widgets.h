#pragma once

// The numeric spin and the bare up/down button pair, both with auto-repeat at
// the model's delay and interval.

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

#include "ui/form/widgets.h"

namespace qavi::qt {

class SpinWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double value READ value)
    Q_PROPERTY(QString text READ text)
public:
    SpinWidget(const ui::Spin& model, QWidget* parent);
    double value() const { return model_.value(); }
    QString text() const { return edit_->text(); }
    // Shows the model's value and limits.
    void sync();
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void stepRequested(int steps);
    void valueTyped(double value);

protected:
    void resizeEvent(QResizeEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void commitTypedText();

    const ui::Spin& model_;
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};

class SpinButtonWidget : public QWidget {
    Q_OBJECT
public:
    SpinButtonWidget(const ui::SpinButton& model, QWidget* parent);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void upClicked();
    void downClicked();

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace qavi::qt
