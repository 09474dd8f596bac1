#pragma once

// The port settings kept between runs. The tool opens the line at 7200 baud
// 8N1 without flow control; what survives a run is the port's name and its
// line settings as the serial component last held them.

#include <string>

#include "platform/key_store.h"
#include "platform/serial_port.h"

namespace qavi::link {

// Key paths inside the store; the root ("HKEY_LOCAL_MACHINE" on Windows) is the store's business.
inline constexpr const char* kPortSettingsKey = "Software\\QAVI\\ComPort1";
inline constexpr const char* kLanguageKey = "Software\\QAVI\\Lang";
inline constexpr const char* kLanguageValue = "CurLang";

struct LoadedPortSettings {
    platform::PortSettings settings;
    // Empty when every value could be used; otherwise what went wrong, for the user.
    std::string error;
};

// Reads the stored values over `current`. Texts are compared without regard to
// case; a missing or unknown text falls back (rate 9600, 1 stop bit, 8 data
// bits, no parity, flow control "Custom", i.e. the line's own flow settings).
// A stored "Custom" rate without a usable "CustomBaudRate" is an error: the
// values read before it are kept and the rest stay as in `current`.
LoadedPortSettings loadPortSettings(platform::KeyStore& keys, const platform::PortSettings& current);

// Writes every value; "CustomBaudRate" only in the custom rate mode. Returns
// an error text, empty on success.
std::string storePortSettings(platform::KeyStore& keys, const platform::PortSettings& settings);

// The texts as they are stored.
std::string baudModeText(platform::BaudMode mode);
std::string stopBitsText(platform::StopBits bits);
std::string dataBitsText(platform::DataBits bits);
std::string parityText(platform::Parity parity);
std::string flowControlText(platform::FlowControl flow);

}  // namespace qavi::link
