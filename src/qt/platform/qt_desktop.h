#pragma once

// The small desktop services: clock, locale, dialogs, shell and screen.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/locale.h"
#include "platform/screen.h"
#include "platform/shell.h"

namespace qavi::qt {

class QtClock : public platform::Clock {
public:
    platform::LocalDateTime now() const override;
};

class QtLocale : public platform::Locale {
public:
    char decimalSeparator() const override;
    char thousandsSeparator() const override;
    std::string shortDateFormat() const override;
    std::string longTimeFormat() const override;
};

// Modal boxes over the main window (set once it exists).
class QtDialogs : public platform::Dialogs {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }
    void message(const std::string& text) override;
    bool question(const std::string& text) override;
    std::optional<std::string> openFileName(const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& filter) override;

    // "description|pattern|description|pattern" in the form the file dialog takes.
    static QString toQtFilter(const std::string& filter);

private:
    QPointer<QWidget> parent_;
};

class QtShell : public platform::Shell {
public:
    bool openAddress(const std::string& address) override;
};

// The desktop's taskbar belongs to the window manager here; there is nothing to hide.
class QtScreen : public platform::Screen {
public:
    int width() const override;
    void hideTaskbar() override {}
    void restoreTaskbar() override {}
};

}  // namespace qavi::qt
