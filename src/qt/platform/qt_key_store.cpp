#include "qt/platform/qt_key_store.h"

#include <QSettings>
#include <QStandardPaths>

namespace qavi::qt {

namespace {

QString groupOf(const std::string& keyPath) {
    QString group = QString::fromStdString(keyPath);
    group.replace('\\', '/');
    while (group.endsWith('/')) group.chop(1);
    return group;
}

}  // namespace

QtKeyStore::QtKeyStore() {
#ifdef Q_OS_WIN
    native_ = true;
#else
    iniFile_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/QAVI/QAVI.ini";
#endif
}

QtKeyStore::QtKeyStore(const QString& iniFile) : iniFile_(iniFile) {}

QtKeyStore::~QtKeyStore() = default;

std::unique_ptr<QSettings> QtKeyStore::settingsFor(const std::string& keyPath) const {
    if (native_) {
        return std::make_unique<QSettings>("HKEY_LOCAL_MACHINE\\" + QString::fromStdString(keyPath),
                                           QSettings::NativeFormat);
    }
    return std::make_unique<QSettings>(iniFile_, QSettings::IniFormat);
}

// In the registry the path is the key itself; in the INI file it becomes the group.
QString QtKeyStore::key(const std::string& keyPath, const std::string& name) const {
    const QString value = QString::fromStdString(name);
    return native_ ? value : groupOf(keyPath) + '/' + value;
}

bool QtKeyStore::openKey(const std::string& keyPath) {
    auto settings = settingsFor(keyPath);
    return settings->status() == QSettings::NoError && settings->isWritable();
}

std::optional<std::string> QtKeyStore::readText(const std::string& keyPath, const std::string& name) {
    auto settings = settingsFor(keyPath);
    const QVariant v = settings->value(key(keyPath, name));
    if (!v.isValid()) return std::nullopt;
    return v.toString().toStdString();
}

std::optional<int> QtKeyStore::readInteger(const std::string& keyPath, const std::string& name) {
    auto settings = settingsFor(keyPath);
    const QVariant v = settings->value(key(keyPath, name));
    if (!v.isValid()) return std::nullopt;
    bool ok = false;
    const int i = v.toInt(&ok);
    if (!ok) return std::nullopt;
    return i;
}

bool QtKeyStore::writeText(const std::string& keyPath, const std::string& name, const std::string& value) {
    auto settings = settingsFor(keyPath);
    settings->setValue(key(keyPath, name), QString::fromStdString(value));
    settings->sync();
    return settings->status() == QSettings::NoError;
}

bool QtKeyStore::writeInteger(const std::string& keyPath, const std::string& name, int value) {
    auto settings = settingsFor(keyPath);
    settings->setValue(key(keyPath, name), value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

}  // namespace qavi::qt
