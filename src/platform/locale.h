#pragma once

#include <string>

namespace qavi::platform {

// The user's number and date conventions.
class Locale {
public:
    virtual ~Locale() = default;
    virtual char decimalSeparator() const = 0;
    virtual char thousandsSeparator() const = 0;
    // Patterns in the d/M/y and h/m/s letters, e.g. "dd.MM.yyyy" and "HH:mm:ss".
    virtual std::string shortDateFormat() const = 0;
    virtual std::string longTimeFormat() const = 0;
};

}  // namespace qavi::platform
