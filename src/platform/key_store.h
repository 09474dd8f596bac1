#pragma once

#include <optional>
#include <string>

namespace qavi::platform {

// Persistent key/value store (the registry on Windows, an INI file elsewhere).
// Key paths use backslashes, e.g. "Software\\QAVI\\ComPort1". A missing text reads as empty.
class KeyStore {
public:
    virtual ~KeyStore() = default;
    // Opens the key, creating it when missing; false when the store refuses.
    virtual bool openKey(const std::string& keyPath) = 0;
    virtual std::optional<std::string> readText(const std::string& keyPath, const std::string& name) = 0;
    virtual std::optional<int> readInteger(const std::string& keyPath, const std::string& name) = 0;
    virtual bool writeText(const std::string& keyPath, const std::string& name, const std::string& value) = 0;
    virtual bool writeInteger(const std::string& keyPath, const std::string& name, int value) = 0;
};

}  // namespace qavi::platform
