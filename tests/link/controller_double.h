#pragma once

// The controller's side of the wire, as far as link tests need it: answers
// built from their fields and scrambled the way the controller sends them.

#include <cstdint>
#include <optional>
#include <vector>

#include "link/controller_contract.h"
#include "link/frame_codec.h"

namespace qavi::test {

using link::Bytes;

// What the controller puts on the wire for these answer bytes.
inline Bytes controllerWire(const Bytes& answer) {
    Bytes wire;
    wire.reserve(answer.size());
    for (std::uint8_t b : answer) wire.push_back(link::scrambleStructure(b) ^ link::kReceiveMask);
    return wire;
}

// 0xAA, total length (high, low), code, body.
inline Bytes answer(std::uint8_t code, const Bytes& body) {
    const std::size_t total = body.size() + 4;
    Bytes a{link::kStartByte, static_cast<std::uint8_t>(total >> 8), static_cast<std::uint8_t>(total & 0xFF), code};
    a.insert(a.end(), body.begin(), body.end());
    return a;
}

// An identification answer: a settings block with the version at offsets 4-6
// and its check byte (twice their sum, low 8 bits) at offset 7.
inline Bytes identificationAnswer(std::uint8_t major, std::uint8_t minor, std::uint8_t patch,
                                  std::optional<std::uint8_t> checkByte = std::nullopt,
                                  std::size_t total = link::kSettingsBlockMinLength) {
    Bytes body(total - 4, 0x00);
    body[0] = major;
    body[1] = minor;
    body[2] = patch;
    body[3] = checkByte.value_or(static_cast<std::uint8_t>(2 * (major + minor + patch)));
    for (std::size_t i = 4; i < body.size(); ++i) body[i] = static_cast<std::uint8_t>(i * 7);
    return answer(0x0C, body);
}

// An answer to the poll or an acknowledged command: a live frame.
inline Bytes liveAnswer(std::uint8_t code, std::uint8_t fill = 0x11) {
    return answer(code, Bytes(link::kLiveFrameMinLength - 4, fill));
}

// What the tool writes for a command string or frame.
inline Bytes wireOfCommand(const Bytes& command) { return link::wireForm(link::BuildFrame(command, nullptr)); }
inline Bytes wireOfFrame(const Bytes& frame) { return link::wireForm(frame); }

}  // namespace qavi::test

#include <functional>
#include <optional>

#include "support/fake_platform.h"

namespace qavi::test {

// Answers every request the tool writes, after a short delay, in one batch.
// It finds where each request ends from the command table, as the real
// controller does. `reply` decides the answer; nullopt keeps it silent.
class ControllerDouble {
public:
    explicit ControllerDouble(FakePlatform& fp) : fp_(fp) {}

    std::function<std::optional<Bytes>(const Bytes& frame)> reply = [](const Bytes& frame) -> std::optional<Bytes> {
        if (frame.size() > 2 && frame[1] == 0x66 && frame[2] == 0x01) return identificationAnswer(5, 9, 11);
        return liveAnswer(frame[1]);
    };
    link::FirmwareVariant variant = link::FirmwareVariant::Ver2;
    int replyDelayMs = 20;
    std::vector<Bytes> frames;  // every request seen, unscrambled

    // Advances virtual time in 1 ms steps, answering what was written.
    void advance(std::int64_t ms) {
        for (std::int64_t i = 0; i < ms; ++i) {
            take();
            fp_.scheduler.advance(1);
        }
        take();
    }

private:
    void take() {
        while (seen_ < fp_.serial.writes.size()) {
            const auto& w = fp_.serial.writes[seen_++].bytes;
            pending_.insert(pending_.end(), w.begin(), w.end());
        }
        while (pending_.size() >= 3) {
            if (pending_[0] != link::kLeadByte) {
                pending_.erase(pending_.begin());
                continue;
            }
            const std::uint8_t code = unscrambleRequest(pending_[2]);
            const int payload = link::payloadLength(code, variant).value_or(0);
            const std::size_t wireLength = 1 + 1 + 1 + static_cast<std::size_t>(payload) + 1;
            if (pending_.size() < wireLength) return;
            Bytes frame;
            for (std::size_t i = 1; i < wireLength; ++i) frame.push_back(unscrambleRequest(pending_[i]));
            pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(wireLength));
            frames.push_back(frame);
            if (auto a = reply(frame)) {
                Bytes wire = controllerWire(*a);
                fp_.scheduler.singleShot(replyDelayMs, [this, wire] { fp_.serial.deliver(wire); });
            }
        }
    }
    static std::uint8_t unscrambleRequest(std::uint8_t b) {
        return link::unscrambleStructure(static_cast<std::uint8_t>(b ^ link::kTransmitMask));
    }

    FakePlatform& fp_;
    std::size_t seen_ = 0;
    Bytes pending_;
};

}  // namespace qavi::test
