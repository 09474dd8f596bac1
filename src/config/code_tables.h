#pragma once

// The controller's code for a setting and the item that shows it in its combo
// box. The controller numbers some settings differently from the order of the
// items the window lists, so every such setting has a table here, read both
// ways: the settings view finds the item for a code, the handlers the code for
// an item.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace qavi::config {

struct CodeItem {
    std::uint8_t code;
    int item;
};

class CodeTable {
public:
    constexpr explicit CodeTable(std::span<const CodeItem> entries) : entries_(entries) {}
    // The item that shows the code; nullopt for a code the window does not offer.
    std::optional<int> itemOf(std::uint8_t code) const;
    // The code an item stands for; nullopt for no selection or an unknown item.
    std::optional<std::uint8_t> codeOf(int item) const;
    std::span<const CodeItem> entries() const { return entries_; }

private:
    std::span<const CodeItem> entries_;
};

// Sel_cyl: code 4 exists in the controller but has no item.
const CodeTable& cylinderCodes();
// Sel_Impuls: the code is the item index.
const CodeTable& pulseSourceCodes();
// T_RED_changer and T_GAZ_changer share one table.
const CodeTable& temperatureSensorCodes();
// Rodz_czuj_LPG.
const CodeTable& levelSensorCodes();
// Sel_Typ_wtrysku.
const CodeTable& gasInjectorCodes();
// P1_MAP_changer: the one sensor the tool knows.
const CodeTable& mapSensorCodes();

// The active-injector mask the tool writes with a cylinder count, by Sel_cyl item.
std::optional<std::uint8_t> injectorMaskForCylinderItem(int item);
// How many cylinders a Sel_cyl item stands for.
std::optional<int> cylindersForItem(int item);

// Changing the gas injector type takes three commands; their payload bytes by item.
struct InjectorTypeCommands {
    std::uint8_t injectorCode;  // after 0x0E
    std::uint8_t second;        // after 0x24
    std::uint8_t third;         // after 0x30
};
std::optional<InjectorTypeCommands> injectorTypeCommands(int item);

}  // namespace qavi::config
