#include "qt/widgets/spin_widgets.h"

#include <QKeyEvent>

#include "qt/widgets/painting.h"
#include "ui/form/form.h"

namespace qavi::qt {

namespace {

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, int delay, int interval) {
    auto* b = new QToolButton(parent);
    b->setArrowType(arrow);
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(delay);
    b->setAutoRepeatInterval(interval);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

SpinWidget::SpinWidget(const ui::Spin& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      edit_(new QLineEdit(this)),
      up_(arrowButton(this, Qt::UpArrow, model.repeatDelayMs, model.repeatIntervalMs)),
      down_(arrowButton(this, Qt::DownArrow, model.repeatDelayMs, model.repeatIntervalMs)) {
    edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit_->installEventFilter(this);
    connect(up_, &QToolButton::clicked, this, [this] { emit stepRequested(1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepRequested(-1); });
    connect(edit_, &QLineEdit::editingFinished, this, &SpinWidget::commitTypedText);
    setFocusProxy(edit_);
    sync();
}

void SpinWidget::sync() {
    edit_->setReadOnly(model_.readOnlyText);
    const QString shown = look::qs(model_.text());
    if (edit_->text() != shown && !(edit_->hasFocus() && edit_->isModified())) edit_->setText(shown);
    up_->setEnabled(!model_.maximum || model_.value() < *model_.maximum);
    down_->setEnabled(!model_.minimum || model_.value() > *model_.minimum);
}

void SpinWidget::commitTypedText() {
    if (model_.readOnlyText || !edit_->isModified()) return;
    edit_->setModified(false);
    QString text = edit_->text().trimmed();
    text.remove(QChar(model_.form().thousandsSeparator()));
    text.replace(QChar(model_.form().decimalSeparator()), '.');
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (ok) emit valueTyped(v);
    edit_->setText(look::qs(model_.text()));
}

bool SpinWidget::eventFilter(QObject* watched, QEvent* e) {
    if (watched == edit_ && e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            emit stepRequested(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void SpinWidget::resizeEvent(QResizeEvent*) {
    const int buttonWidth = std::min(16, width() / 3);
    const int half = height() / 2;
    edit_->setGeometry(0, 0, width() - buttonWidth, height());
    up_->setGeometry(width() - buttonWidth, 0, buttonWidth, half);
    down_->setGeometry(width() - buttonWidth, half, buttonWidth, height() - half);
}

SpinButtonWidget::SpinButtonWidget(const ui::SpinButton& model, QWidget* parent)
    : QWidget(parent),
      up_(arrowButton(this, Qt::UpArrow, model.repeatDelayMs, model.repeatIntervalMs)),
      down_(arrowButton(this, Qt::DownArrow, model.repeatDelayMs, model.repeatIntervalMs)) {
    connect(up_, &QToolButton::clicked, this, &SpinButtonWidget::upClicked);
    connect(down_, &QToolButton::clicked, this, &SpinButtonWidget::downClicked);
}

void SpinButtonWidget::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace qavi::qt
