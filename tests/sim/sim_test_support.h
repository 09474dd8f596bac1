#pragma once

// Small helpers shared by the simulator's tests: the tool's side of the wire.

#include <cstdint>
#include <vector>

#include "link/frame_codec.h"

namespace qavi::sim::testing {

// What the tool puts on the line for a command string.
inline link::Bytes requestWire(const link::Bytes& command) {
    return link::wireForm(link::BuildFrame(command, nullptr));
}

// The wire form of a command taken as it stands ('M' not completed).
inline link::Bytes plainRequestWire(const link::Bytes& command) {
    link::Bytes frame{link::kStartByte};
    frame.insert(frame.end(), command.begin(), command.end());
    frame.push_back(link::additiveSum(frame));
    return link::wireForm(frame);
}

// What the tool makes of the controller's bytes.
inline link::Bytes unscrambled(const link::Bytes& wire) {
    link::Bytes out;
    out.reserve(wire.size());
    for (auto b : wire) out.push_back(link::UnscrambleByte(b));
    return out;
}

inline int lengthField(const link::Bytes& answer) { return answer.size() < 3 ? -1 : (answer[1] << 8) | answer[2]; }

}  // namespace qavi::sim::testing
