#include "qt/platform/qt_desktop.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

namespace qavi::qt {

platform::LocalDateTime QtClock::now() const {
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(),   t.date().month(),  t.date().day(), t.time().hour(),
            t.time().minute(), t.time().second(), t.time().msec()};
}

namespace {

// The model formats with single-byte separators; a separator outside ASCII
// (the no-break space many locales group with) is shown as a plain space.
char asciiOf(const QString& s, char fallback) {
    if (s.isEmpty()) return fallback;
    const QChar c = s.front();
    if (c.unicode() < 0x80) return static_cast<char>(c.unicode());
    return c.isSpace() || c.unicode() == 0x202F || c.unicode() == 0x00A0 ? ' ' : fallback;
}

}  // namespace

char QtLocale::decimalSeparator() const { return asciiOf(QLocale::system().decimalPoint(), '.'); }
char QtLocale::thousandsSeparator() const { return asciiOf(QLocale::system().groupSeparator(), ','); }
std::string QtLocale::shortDateFormat() const {
    return QLocale::system().dateFormat(QLocale::ShortFormat).toStdString();
}
std::string QtLocale::longTimeFormat() const {
    // Qt's long time pattern ends in the time zone ("t"), which no text here wants.
    QString pattern = QLocale::system().timeFormat(QLocale::LongFormat);
    pattern.remove('t');
    return pattern.trimmed().toStdString();
}

void QtDialogs::message(const std::string& text) {
    QMessageBox::information(parent_, QApplication::applicationName(), QString::fromStdString(text));
}

bool QtDialogs::question(const std::string& text) {
    return QMessageBox::question(parent_, QApplication::applicationName(), QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

QString QtDialogs::toQtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << QString("%1 (%2)").arg(parts[i], patterns.simplified());
    }
    if (parts.size() % 2 == 1 && !parts.back().isEmpty()) filters << parts.back();
    return filters.join(";;");
}

std::optional<std::string> QtDialogs::openFileName(const std::string& filter) {
    const QString name = QFileDialog::getOpenFileName(parent_, QString(), QString(), toQtFilter(filter));
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

std::optional<std::string> QtDialogs::saveFileName(const std::string& filter) {
    const QString name = QFileDialog::getSaveFileName(parent_, QString(), QString(), toQtFilter(filter));
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

bool QtShell::openAddress(const std::string& address) {
    const QString text = QString::fromStdString(address).trimmed();
    if (text.isEmpty()) return false;
    const QUrl url = text.contains(':') ? QUrl(text) : QUrl::fromUserInput(text);
    return url.isValid() && QDesktopServices::openUrl(url);
}

int QtScreen::width() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

}  // namespace qavi::qt
