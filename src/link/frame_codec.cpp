#include "link/frame_codec.h"

#include <algorithm>

namespace qavi::link {

namespace {

std::uint8_t rotateLeft(std::uint8_t b) { return static_cast<std::uint8_t>((b << 1) | (b >> 7)); }
std::uint8_t rotateRight(std::uint8_t b) { return static_cast<std::uint8_t>((b >> 1) | (b << 7)); }
std::uint8_t swapNibbles(std::uint8_t b) { return static_cast<std::uint8_t>((b << 4) | (b >> 4)); }

// Its own inverse: bit 1 decides and is never changed.
std::uint8_t conditionalComplement(std::uint8_t b) {
    if ((b & 0x02) == 0) {
        return static_cast<std::uint8_t>(~b & ~0x02);
    }
    return b;
}

}  // namespace

std::uint8_t scrambleStructure(std::uint8_t b) {
    return swapNibbles(conditionalComplement(rotateLeft(b)));
}

std::uint8_t unscrambleStructure(std::uint8_t b) {
    return rotateRight(conditionalComplement(swapNibbles(b)));
}

std::uint8_t ScrambleByte(std::uint8_t b) { return scrambleStructure(b) ^ kTransmitMask; }

std::uint8_t UnscrambleByte(std::uint8_t b) {
    return unscrambleStructure(static_cast<std::uint8_t>(b ^ kReceiveMask));
}

std::uint8_t additiveSum(std::span<const std::uint8_t> bytes) {
    unsigned sum = 0;
    for (auto b : bytes) {
        sum += b;
    }
    return static_cast<std::uint8_t>(sum & 0xFF);
}

namespace {

void appendSlice(Bytes& out, std::span<const std::uint8_t> from, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i <= last && i < from.size(); ++i) {
        out.push_back(from[i]);
    }
}

Bytes completeServiceWrite(std::span<const std::uint8_t> command, const ServiceFieldSource* service) {
    const ServiceWriteFields fields = service ? service->serviceWriteFields() : ServiceWriteFields{};
    Bytes completed;
    completed.reserve(1 + 8 + 8 + 4 + 45);
    completed.push_back(kServiceWriteCode);
    completed.insert(completed.end(), fields.rawPetrolTime.begin(), fields.rawPetrolTime.end());
    completed.insert(completed.end(), fields.rawGasTime.begin(), fields.rawGasTime.end());
    appendSlice(completed, command, 1, 8);
    completed.insert(completed.end(), fields.inspectionDueField.begin(), fields.inspectionDueField.end());
    appendSlice(completed, command, 9, 53);
    return completed;
}

}  // namespace

Bytes BuildFrame(std::span<const std::uint8_t> command, const ServiceFieldSource* service) {
    Bytes frame;
    frame.reserve(command.size() + 32);
    frame.push_back(kStartByte);
    if (!command.empty() && command[0] == kServiceWriteCode) {
        const Bytes completed = completeServiceWrite(command, service);
        frame.insert(frame.end(), completed.begin(), completed.end());
    } else {
        frame.insert(frame.end(), command.begin(), command.end());
    }
    frame.push_back(additiveSum(frame));
    return frame;
}

Bytes wireForm(std::span<const std::uint8_t> frame) {
    Bytes wire;
    wire.reserve(frame.size() + 1);
    wire.push_back(kLeadByte);
    std::transform(frame.begin(), frame.end(), std::back_inserter(wire), ScrambleByte);
    return wire;
}

const Bytes& IdentifyRequest() {
    static const Bytes frame{kStartByte, 0x66, 0x01, 0x11};
    return frame;
}

const Bytes& PollRequest() {
    static const Bytes frame{kStartByte, 0x55, 0x01, 0x00};
    return frame;
}

}  // namespace qavi::link
