#include "ui/form/value_format.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace qavi::ui {

namespace {

std::string groupThousands(const std::string& digits, char separator) {
    std::string out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        out.push_back(digits[static_cast<std::size_t>(i)]);
        const int left = n - 1 - i;
        if (left > 0 && left % 3 == 0) out.push_back(separator);
    }
    return out;
}

}  // namespace

std::string formatFloat(double value, const std::string& pattern, char decimalSeparator,
                        char thousandsSeparator) {
    const auto dot = pattern.find('.');
    const std::string intPart = pattern.substr(0, dot);
    const std::string fracPart = dot == std::string::npos ? std::string() : pattern.substr(dot + 1);
    int minIntDigits = 0;
    bool thousands = false;
    for (char c : intPart) {
        if (c == '0') ++minIntDigits;
        if (c == ',') thousands = true;
    }
    int maxDecimals = 0;
    int minDecimals = 0;
    for (std::size_t i = 0; i < fracPart.size(); ++i) {
        if (fracPart[i] == '0' || fracPart[i] == '#') ++maxDecimals;
        if (fracPart[i] == '0') minDecimals = maxDecimals;
    }
    if (!std::isfinite(value)) return "NAN";

    const double scale = std::pow(10.0, maxDecimals);
    // Round half away from zero on the decimal digits shown.
    double scaled = std::round(std::fabs(value) * scale);
    const bool negative = value < 0 && scaled != 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", scaled);
    std::string digits = buffer;
    if (static_cast<int>(digits.size()) <= maxDecimals) {
        digits.insert(0, static_cast<std::size_t>(maxDecimals + 1 - static_cast<int>(digits.size())), '0');
    }
    std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(maxDecimals));
    std::string fraction = digits.substr(digits.size() - static_cast<std::size_t>(maxDecimals));
    while (static_cast<int>(fraction.size()) > minDecimals && !fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    // Leading zeros: keep as many integer digits as the pattern requires.
    std::size_t firstNonZero = whole.find_first_not_of('0');
    if (firstNonZero == std::string::npos) firstNonZero = whole.size();
    whole = whole.substr(firstNonZero);
    if (static_cast<int>(whole.size()) < minIntDigits) {
        whole.insert(0, static_cast<std::size_t>(minIntDigits - static_cast<int>(whole.size())), '0');
    }
    if (thousands) whole = groupThousands(whole, thousandsSeparator);

    std::string out = negative ? "-" : "";
    out += whole;
    if (!fraction.empty()) {
        out.push_back(decimalSeparator);
        out += fraction;
    }
    if (out.empty() || out == "-") return std::string(1, '0');
    return out;
}

std::string formatFixed(double value, int precision, int decimals, char decimalSeparator) {
    if (!std::isfinite(value)) return "NAN";
    // The value is first rounded to `precision` significant digits, then shown
    // with exactly `decimals` decimals (so 12.974 with 4 and 2 reads "12.97",
    // 1.234 with 2 and 2 reads "1.20").
    double rounded = value;
    if (value != 0.0) {
        const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
        const double factor = std::pow(10.0, precision - 1 - exponent);
        rounded = std::round(value * factor) / factor;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
    std::string out = buffer;
    if (out.rfind("-", 0) == 0 && out.find_first_not_of("-0.") == std::string::npos) out.erase(0, 1);
    for (char& c : out) {
        if (c == '.') c = decimalSeparator;
    }
    return out;
}

}  // namespace qavi::ui
