#include "sim/request_parser.h"

namespace qavi::sim {

namespace {

// Requests that may legitimately arrive shorter than their full length: the
// settings write-back from a short file, and a service write sent before any
// service record was read (it then carries only the caller's bytes). They end
// at their full length, or at a pause after a good sum.
bool mayArriveShort(std::uint8_t code) { return code == 0x1A || code == link::kServiceWriteCodeM; }

std::uint8_t unscrambleRequestByte(std::uint8_t raw) {
    return link::unscrambleStructure(static_cast<std::uint8_t>(raw ^ link::kTransmitMask));
}

}  // namespace

std::vector<Request> RequestParser::feed(std::span<const std::uint8_t> wire, std::int64_t nowMs) {
    std::vector<Request> out;
    if (state_ != State::Hunting && nowMs - lastByteMs_ >= kIdleGapMs) out = idle(nowMs);
    for (std::uint8_t raw : wire) {
        lastByteMs_ = nowMs;
        take(raw, out);
    }
    return out;
}

std::vector<Request> RequestParser::idle(std::int64_t nowMs) {
    std::vector<Request> out;
    if (state_ == State::Hunting || nowMs - lastByteMs_ < kIdleGapMs) return out;
    if (state_ == State::Open && !body_.empty() && sumMatches(body_.size() - 1)) {
        emitRequest(body_.size() - 1, out);
    } else {
        reject();
    }
    return out;
}

std::optional<std::int64_t> RequestParser::idleDeadline() const {
    if (state_ == State::Hunting) return std::nullopt;
    return lastByteMs_ + kIdleGapMs;
}

void RequestParser::take(std::uint8_t raw, std::vector<Request>& out) {
    const std::uint8_t byte = unscrambleRequestByte(raw);
    switch (state_) {
        case State::Hunting:
            if (raw == link::kLeadByte) state_ = State::ExpectStart;
            return;
        case State::ExpectStart:
            if (byte == link::kStartByte) {
                state_ = State::ExpectCode;
            } else if (raw != link::kLeadByte) {
                reject();
            }
            return;
        case State::ExpectCode: {
            code_ = byte;
            body_.clear();
            leadAt_.reset();
            const auto length = link::payloadLength(code_, variant_);
            if (!length || mayArriveShort(code_)) {
                state_ = State::Open;
            } else {
                state_ = State::Fixed;
                expected_ = static_cast<std::size_t>(*length) + 1;
            }
            return;
        }
        case State::Fixed:
            body_.push_back(byte);
            if (body_.size() == expected_) finishFixed(out);
            return;
        case State::Open:
            // A lead byte followed by a start byte ends the request before it, if
            // the bytes before the lead byte close with a good sum.
            if (leadAt_) {
                const std::size_t lead = *leadAt_;
                leadAt_.reset();
                if (byte == link::kStartByte && lead >= 1 && sumMatches(lead - 1)) {
                    emitRequest(lead - 1, out);
                    state_ = State::ExpectCode;
                    return;
                }
            }
            body_.push_back(byte);
            if (raw == link::kLeadByte) leadAt_ = body_.size() - 1;
            if (mayArriveShort(code_)) {
                const auto full = static_cast<std::size_t>(*link::payloadLength(code_, variant_));
                if (body_.size() == full + 1) {
                    if (sumMatches(full)) {
                        emitRequest(full, out);
                    } else {
                        reject();
                    }
                }
            } else if (body_.size() > kMaxOpenPayload + 1) {
                reject();
            }
            return;
    }
}

void RequestParser::finishFixed(std::vector<Request>& out) {
    if (sumMatches(expected_ - 1)) {
        emitRequest(expected_ - 1, out);
    } else {
        reject();
    }
}

bool RequestParser::sumMatches(std::size_t payloadLength) const {
    if (payloadLength >= body_.size()) return false;
    unsigned sum = link::kStartByte + code_;
    for (std::size_t i = 0; i < payloadLength; ++i) sum += body_[i];
    return static_cast<std::uint8_t>(sum & 0xFF) == body_[payloadLength];
}

void RequestParser::emitRequest(std::size_t payloadLength, std::vector<Request>& out) {
    out.push_back(
        Request{code_, link::Bytes(body_.begin(), body_.begin() + static_cast<std::ptrdiff_t>(payloadLength))});
    body_.clear();
    leadAt_.reset();
    state_ = State::Hunting;
}

void RequestParser::reject() {
    ++rejected_;
    body_.clear();
    leadAt_.reset();
    state_ = State::Hunting;
}

}  // namespace qavi::sim
