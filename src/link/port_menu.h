#pragma once

// Which items the port menu offers. The window was designed for Windows with
// thirty fixed items COM1 … COM30; elsewhere the ports have system names
// (ttyUSB0, ttyACM0, ttyS0), so the menu gets one item per present port.

#include <string>
#include <vector>

namespace qavi::link {

inline constexpr int kDesignPortItems = 30;

// A port list as the platform gave it: names trimmed of spaces and control
// characters, empty names dropped, sorted with numbers in numeric order
// (ttyS2 before ttyS10), duplicates removed.
std::vector<std::string> cleanPortNames(const std::vector<std::string>& listed);

// "COM" followed by a number without leading zero.
bool isWindowsPortName(const std::string& name);

struct PortMenuLayout {
    // True: keep the design items whose names are present (COM1 … COM30 in
    // design order); a COM port above 30 gets no item. False: one new item per
    // present port, named and captioned by the port name, in list order.
    bool useDesignItems = true;
    std::vector<std::string> itemNames;
};

// Windows-style names anywhere in the list mean the design items serve;
// otherwise every present port gets an item of its own.
PortMenuLayout layoutPortMenu(const std::vector<std::string>& cleanedNames);

}  // namespace qavi::link
