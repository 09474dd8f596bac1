#pragma once

// Finds the requests in the byte stream the controller receives: 0xCC, then
// the scrambled frame 0xAA, code, payload, additive sum. A request carries no
// length, so its end comes from the code's payload length. Where that is not
// known (a code this controller does not know, a settings write-back cut short
// by a short file, a service write without the fields of a record read before)
// the request ends at a pause in the line or at the next lead byte. A request with a wrong sum is dropped and the
// parser waits for the next lead byte.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "link/controller_contract.h"
#include "link/frame_codec.h"

namespace qavi::sim {

struct Request {
    std::uint8_t code = 0;
    link::Bytes payload;
    bool operator==(const Request&) const = default;
};

class RequestParser {
public:
    // A pause this long ends a request whose length is not known, and abandons
    // one that stopped half-way.
    static constexpr std::int64_t kIdleGapMs = 50;
    // Longest payload taken for a code of unknown length.
    static constexpr std::size_t kMaxOpenPayload = 600;

    explicit RequestParser(link::FirmwareVariant variant) : variant_(variant) {}

    // Feeds bytes as they came off the line; returns the requests they completed.
    std::vector<Request> feed(std::span<const std::uint8_t> wire, std::int64_t nowMs);
    // Call when the line has been quiet until nowMs (at idleDeadline() or later).
    std::vector<Request> idle(std::int64_t nowMs);
    // When idle() should next be called, if a request is in progress.
    std::optional<std::int64_t> idleDeadline() const;

    // Requests dropped for a wrong sum, a cut-off or a missing start byte.
    int rejected() const { return rejected_; }

private:
    enum class State { Hunting, ExpectStart, ExpectCode, Fixed, Open };

    void take(std::uint8_t raw, std::vector<Request>& out);
    void finishFixed(std::vector<Request>& out);
    bool sumMatches(std::size_t payloadLength) const;  // body_[payloadLength] is the sum candidate
    void emitRequest(std::size_t payloadLength, std::vector<Request>& out);
    void reject();

    link::FirmwareVariant variant_;
    State state_ = State::Hunting;
    std::uint8_t code_ = 0;
    std::size_t expected_ = 0;           // Fixed: payload bytes + sum
    link::Bytes body_;                   // unscrambled bytes after the code
    std::optional<std::size_t> leadAt_;  // Open: a 0xCC seen at this body position
    std::int64_t lastByteMs_ = 0;
    int rejected_ = 0;
};

}  // namespace qavi::sim
