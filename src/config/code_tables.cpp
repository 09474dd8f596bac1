#include "config/code_tables.h"

namespace qavi::config {

std::optional<int> CodeTable::itemOf(std::uint8_t code) const {
    for (const CodeItem& e : entries_) {
        if (e.code == code) return e.item;
    }
    return std::nullopt;
}

std::optional<std::uint8_t> CodeTable::codeOf(int item) const {
    for (const CodeItem& e : entries_) {
        if (e.item == item) return e.code;
    }
    return std::nullopt;
}

namespace {

constexpr CodeItem kCylinders[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {5, 4}};
constexpr CodeItem kPulseSources[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}};
// Items: "1,7 kOhm", "2,2 kOhm", "4,5 kOhm", "4,7 kOhm", "5 kOhm", "10 kOhm".
constexpr CodeItem kTemperatureSensors[] = {{2, 0}, {1, 1}, {3, 2}, {5, 3}, {4, 4}, {0, 5}};
// Items: "0-90 Ohm", "90-0 Ohm", "0-50 kOhm", "50-0 kOhm".
constexpr CodeItem kLevelSensors[] = {{0, 0}, {2, 1}, {1, 2}, {3, 3}};
// Items: "Valtek/Rail 1 Ohm", "Valtek/Rail 2 Ohm", "Valtek/Rail 3 Ohm", "Matrix/Magic ", "BRC",
// "Keihin", "Stefanelli", "MASTER/OMVL".
constexpr CodeItem kGasInjectors[] = {{8, 0}, {9, 1}, {3, 2}, {1, 3}, {6, 4}, {7, 5}, {0, 6}, {4, 7}};
constexpr CodeItem kMapSensors[] = {{4, 0}};

constexpr std::array<std::uint8_t, 5> kMaskByCylinderItem{0x07, 0x0F, 0x1F, 0x3F, 0xFF};
constexpr std::array<int, 5> kCylindersByItem{3, 4, 5, 6, 8};

constexpr std::array<InjectorTypeCommands, 8> kInjectorTypeCommands{{
    {0x08, 0x06, 0x1E},
    {0x09, 0x06, 0x23},
    {0x03, 0x09, 0x2D},
    {0x01, 0x06, 0x1E},
    {0x06, 0x06, 0x1E},
    {0x07, 0x06, 0x1E},
    {0x00, 0x00, 0x00},
    {0x04, 0x06, 0x2D},
}};

template <typename T, std::size_t N>
std::optional<T> at(const std::array<T, N>& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) return std::nullopt;
    return table[static_cast<std::size_t>(index)];
}

}  // namespace

const CodeTable& cylinderCodes() {
    static const CodeTable table{kCylinders};
    return table;
}
const CodeTable& pulseSourceCodes() {
    static const CodeTable table{kPulseSources};
    return table;
}
const CodeTable& temperatureSensorCodes() {
    static const CodeTable table{kTemperatureSensors};
    return table;
}
const CodeTable& levelSensorCodes() {
    static const CodeTable table{kLevelSensors};
    return table;
}
const CodeTable& gasInjectorCodes() {
    static const CodeTable table{kGasInjectors};
    return table;
}
const CodeTable& mapSensorCodes() {
    static const CodeTable table{kMapSensors};
    return table;
}

std::optional<std::uint8_t> injectorMaskForCylinderItem(int item) { return at(kMaskByCylinderItem, item); }
std::optional<int> cylindersForItem(int item) { return at(kCylindersByItem, item); }
std::optional<InjectorTypeCommands> injectorTypeCommands(int item) { return at(kInjectorTypeCommands, item); }

}  // namespace qavi::config
