#include "config/settings_block_builder.h"

namespace qavi::test {

SettingsBlockBuilder::SettingsBlockBuilder(link::FirmwareVariant variant, std::size_t length)
    : variant_(variant), bytes_(length, 0) {
    const bool ver2 = variant == link::FirmwareVariant::Ver2;
    const link::FirmwareVersion version = ver2 ? link::kVer2Version : link::kVer1Version;
    set(0, 0xAA);
    set(3, 0x66);
    fill(4, {version.major, version.minor, version.patch});
    set(7, static_cast<std::uint8_t>(2 * (version.major + version.minor + version.patch)));
    fill(8, 12, 0x11);              // uninterpreted
    set(20, 0x0F);                  // injectors 1..4 active
    set(21, 1);                     // double ignition coil
    set(22, 1);                     // 4 cylinders
    set(23, 18);                    // change over to gas at 1800 rpm
    set(24, 60);                    // back to petrol above 6000 rpm
    fill(25, {51, 102, 153, 204});  // level thresholds 1..4 V
    set(29, 2);                     // "90-0 Ohm"
    set(30, 0);                     // reducer "10 kOhm"
    set(31, 1);                     // gas "2,2 kOhm"
    set(32, 0x5A);                  // uninterpreted
    set(33, 4);                     // the one MAP sensor
    set(34, 0x02);                  // High 12V, Standard engine
    set(35, 35);                    // 35 °C before gas
    set(36, 120);                   // working pressure 1.20 bar
    set(40, 80);                    // minimum pressure 0.80 bar
    set(41, 50);                    // 500 ms delay to petrol
    set(42, 60);                    // 30 s to gas
    set(43, 15);                    // 150 ms between cylinders
    set(45, 8);                     // "Valtek/Rail 1 Ohm"
    for (std::size_t k = 0; k < 246; ++k) set(66 + k, static_cast<std::uint8_t>(90 + k % 40));  // the map
    for (std::size_t k = 0; k < 246; ++k) set(312 + k, static_cast<std::uint8_t>(k));           // second run
    set(558, 0x00);  // LPG, no change-over at the first pressure drop
    if (ver2) {
        set(561, 0);        // high byte of the change-over time
        fill(562, 8, 128);  // no injector corrections
        set(570, 12);       // back to petrol below 1200 rpm
        set(571, 0xFB);     // or below -5 °C
    }
    fill(errorRegister(), 40, 0xFF);
    for (std::size_t r = 0; r < 64; ++r) set(615 + r, static_cast<std::uint8_t>(r * 3));  // service record
    set(756, 0x01);
    if (length > 0) set(length - 1, 0xC3);  // check byte
}

SettingsBlockBuilder& SettingsBlockBuilder::set(std::size_t offset, std::uint8_t value) {
    if (offset < bytes_.size()) bytes_[offset] = value;
    return *this;
}

SettingsBlockBuilder& SettingsBlockBuilder::fill(std::size_t offset, std::initializer_list<std::uint8_t> values) {
    for (std::uint8_t v : values) set(offset++, v);
    return *this;
}

SettingsBlockBuilder& SettingsBlockBuilder::fill(std::size_t offset, std::size_t count, std::uint8_t value) {
    for (std::size_t i = 0; i < count; ++i) set(offset + i, value);
    return *this;
}

link::Bytes SettingsBlockBuilder::build() const {
    link::Bytes out = bytes_;
    if (out.size() > 2) {
        out[1] = static_cast<std::uint8_t>(out.size() >> 8);
        out[2] = static_cast<std::uint8_t>(out.size() & 0xFF);
    }
    return out;
}

link::Bytes SettingsBlockBuilder::truncated(std::size_t length) const {
    link::Bytes out = build();
    if (length < out.size()) out.resize(length);
    return out;
}

}  // namespace qavi::test
