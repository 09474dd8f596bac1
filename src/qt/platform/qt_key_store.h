#pragma once

#include <QString>
#include <memory>

#include "platform/key_store.h"

class QSettings;

namespace qavi::qt {

// The persistent store: the registry under HKEY_LOCAL_MACHINE on Windows, an
// INI file in the user's configuration folder elsewhere, with the same key
// paths and value names.
class QtKeyStore : public platform::KeyStore {
public:
    QtKeyStore();
    // Keeps everything in the given INI file (tests, portable installs).
    explicit QtKeyStore(const QString& iniFile);
    ~QtKeyStore() override;

    bool openKey(const std::string& keyPath) override;
    std::optional<std::string> readText(const std::string& keyPath, const std::string& name) override;
    std::optional<int> readInteger(const std::string& keyPath, const std::string& name) override;
    bool writeText(const std::string& keyPath, const std::string& name, const std::string& value) override;
    bool writeInteger(const std::string& keyPath, const std::string& name, int value) override;

private:
    std::unique_ptr<QSettings> settingsFor(const std::string& keyPath) const;
    QString key(const std::string& keyPath, const std::string& name) const;

    QString iniFile_;
    bool native_ = false;
};

}  // namespace qavi::qt
