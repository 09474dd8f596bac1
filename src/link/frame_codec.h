#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace qavi::link {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kStartByte = 0xAA;
inline constexpr std::uint8_t kLeadByte = 0xCC;
inline constexpr std::uint8_t kTransmitMask = 0x5E;
inline constexpr std::uint8_t kReceiveMask = 0xD6;
inline constexpr std::uint8_t kServiceWriteCode = 'M';

// The structural part of the scramble (rotate, conditional complement, nibble
// swap) without the mask; exposed because the controller side needs it too.
std::uint8_t scrambleStructure(std::uint8_t b);
std::uint8_t unscrambleStructure(std::uint8_t b);

std::uint8_t ScrambleByte(std::uint8_t b);    // tool -> controller
std::uint8_t UnscrambleByte(std::uint8_t b);  // controller -> tool

// The three 4-byte fields of the last decoded service record that an 'M'
// (service write) command carries around the caller's bytes. Empty until a
// record has been decoded.
struct ServiceWriteFields {
    Bytes rawPetrolTime;
    Bytes rawGasTime;
    Bytes inspectionDueField;
};

class ServiceFieldSource {
public:
    virtual ~ServiceFieldSource() = default;
    virtual ServiceWriteFields serviceWriteFields() const = 0;
};

// Start byte, command string, additive sum. An 'M' command is completed with
// the service fields first (bytes beyond offset 53 of the given command are dropped).
Bytes BuildFrame(std::span<const std::uint8_t> command, const ServiceFieldSource* service);

// Low 8 bits of the sum of the bytes.
std::uint8_t additiveSum(std::span<const std::uint8_t> bytes);

// 0xCC followed by the scrambled frame: what goes on the wire.
Bytes wireForm(std::span<const std::uint8_t> frame);

const Bytes& IdentifyRequest();  // 0xAA 0x66 0x01 0x11
const Bytes& PollRequest();      // 0xAA 0x55 0x01 0x00

}  // namespace qavi::link
