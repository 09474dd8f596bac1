#include "link/port_settings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <utility>

namespace qavi::link {

namespace {

using platform::BaudMode;
using platform::DataBits;
using platform::FlowControl;
using platform::Parity;
using platform::StopBits;

constexpr std::pair<BaudMode, const char*> kBaudModes[] = {
    {BaudMode::Custom, "Custom"},  {BaudMode::B110, "110"},       {BaudMode::B300, "300"},
    {BaudMode::B600, "600"},       {BaudMode::B1200, "1200"},     {BaudMode::B2400, "2400"},
    {BaudMode::B4800, "4800"},     {BaudMode::B9600, "9600"},     {BaudMode::B14400, "14400"},
    {BaudMode::B19200, "19200"},   {BaudMode::B38400, "38400"},   {BaudMode::B56000, "56000"},
    {BaudMode::B57600, "57600"},   {BaudMode::B115200, "115200"}, {BaudMode::B128000, "128000"},
    {BaudMode::B256000, "256000"},
};
constexpr std::pair<StopBits, const char*> kStopBits[] = {
    {StopBits::One, "1"}, {StopBits::OneAndHalf, "1.5"}, {StopBits::Two, "2"}};
constexpr std::pair<DataBits, const char*> kDataBits[] = {
    {DataBits::Five, "5"}, {DataBits::Six, "6"}, {DataBits::Seven, "7"}, {DataBits::Eight, "8"}};
constexpr std::pair<Parity, const char*> kParities[] = {{Parity::None, "None"},
                                                        {Parity::Odd, "Odd"},
                                                        {Parity::Even, "Even"},
                                                        {Parity::Mark, "Mark"},
                                                        {Parity::Space, "Space"}};
constexpr std::pair<FlowControl, const char*> kFlowControls[] = {{FlowControl::Hardware, "Hardware"},
                                                                 {FlowControl::Software, "Software"},
                                                                 {FlowControl::None, "None"},
                                                                 {FlowControl::Custom, "Custom"}};

bool equalsIgnoringCase(const std::string& a, const char* b) {
    const std::string other(b);
    return a.size() == other.size() && std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

template <typename E, std::size_t N>
std::optional<E> parse(const std::pair<E, const char*> (&table)[N], const std::string& text) {
    for (const auto& [value, name] : table) {
        if (equalsIgnoringCase(text, name)) return value;
    }
    return std::nullopt;
}

template <typename E, std::size_t N>
std::string name(const std::pair<E, const char*> (&table)[N], E value) {
    for (const auto& [v, n] : table) {
        if (v == value) return n;
    }
    return {};
}

}  // namespace

std::string baudModeText(BaudMode mode) { return name(kBaudModes, mode); }
std::string stopBitsText(StopBits bits) { return name(kStopBits, bits); }
std::string dataBitsText(DataBits bits) { return name(kDataBits, bits); }
std::string parityText(Parity parity) { return name(kParities, parity); }
std::string flowControlText(FlowControl flow) { return name(kFlowControls, flow); }

LoadedPortSettings loadPortSettings(platform::KeyStore& keys, const platform::PortSettings& current) {
    LoadedPortSettings result{current, {}};
    platform::PortSettings& s = result.settings;
    if (!keys.openKey(kPortSettingsKey)) {
        result.error =
            std::string("The port settings could not be read: the key \"") + kPortSettingsKey + "\" cannot be opened.";
        return result;
    }
    auto text = [&](const char* value) { return keys.readText(kPortSettingsKey, value).value_or(""); };

    s.portName = text("Port");
    s.baudMode = parse(kBaudModes, text("BaudRate")).value_or(BaudMode::B9600);
    if (s.baudMode == BaudMode::Custom) {
        const auto rate = keys.readInteger(kPortSettingsKey, "CustomBaudRate");
        if (!rate || *rate <= 0) {
            result.error = std::string("The port settings could not be read: \"BaudRate\" is \"Custom\" but \"") +
                           "CustomBaudRate\" is " + (rate ? "not a usable rate." : "missing.");
            return result;
        }
        s.customBaudRate = *rate;
    }
    s.stopBits = parse(kStopBits, text("StopBits")).value_or(StopBits::One);
    s.dataBits = parse(kDataBits, text("DataBits")).value_or(DataBits::Eight);
    s.parity = parse(kParities, text("Parity")).value_or(Parity::None);
    s.flowControl = parse(kFlowControls, text("FlowControl")).value_or(FlowControl::Custom);
    return result;
}

std::string storePortSettings(platform::KeyStore& keys, const platform::PortSettings& s) {
    bool ok = keys.openKey(kPortSettingsKey);
    ok = ok && keys.writeText(kPortSettingsKey, "Port", s.portName);
    ok = ok && keys.writeText(kPortSettingsKey, "BaudRate", baudModeText(s.baudMode));
    if (s.baudMode == BaudMode::Custom)
        ok = ok && keys.writeInteger(kPortSettingsKey, "CustomBaudRate", s.customBaudRate);
    ok = ok && keys.writeText(kPortSettingsKey, "StopBits", stopBitsText(s.stopBits));
    ok = ok && keys.writeText(kPortSettingsKey, "DataBits", dataBitsText(s.dataBits));
    ok = ok && keys.writeText(kPortSettingsKey, "Parity", parityText(s.parity));
    ok = ok && keys.writeText(kPortSettingsKey, "FlowControl", flowControlText(s.flowControl));
    if (ok) return {};
    return std::string("The port settings could not be stored under \"") + kPortSettingsKey + "\".";
}

}  // namespace qavi::link
