#include "sim/wire_controller.h"

namespace qavi::sim {

WireController::WireController(ControllerModel& model, FaultOptions faults)
    : model_(model), faults_(faults), random_(faults.seed), parser_(model.variant()) {}

std::uint8_t WireController::scrambleAnswerByte(std::uint8_t b) {
    return static_cast<std::uint8_t>(link::scrambleStructure(b) ^ link::kReceiveMask);
}

void WireController::receive(std::span<const std::uint8_t> wire, std::int64_t nowMs) {
    for (const Request& r : parser_.feed(wire, nowMs)) respond(r, nowMs);
}

void WireController::idle(std::int64_t nowMs) {
    for (const Request& r : parser_.idle(nowMs)) respond(r, nowMs);
}

std::deque<Transmission> WireController::takeOutput() {
    std::deque<Transmission> out;
    out.swap(output_);
    return out;
}

void WireController::respond(const Request& request, std::int64_t nowMs) {
    model_.advanceTo(nowMs);
    auto answer = model_.answer(request.code, request.payload);
    if (!answer || faults_.silent) return;
    if (random_.chance(faults_.wrongCodeRate) && answer->size() > 4) {
        (*answer)[3] = static_cast<std::uint8_t>(~(*answer)[3]);
        sealAnswer(*answer);
    }
    link::Bytes wire;
    wire.reserve(answer->size() + 8);
    for (std::uint8_t b : *answer) {
        if (random_.chance(faults_.dropRate)) continue;
        std::uint8_t out = scrambleAnswerByte(b);
        if (random_.chance(faults_.corruptRate)) out ^= static_cast<std::uint8_t>(random_.between(1, 255));
        wire.push_back(out);
        if (random_.chance(faults_.duplicateRate)) wire.push_back(out);
    }
    ++answered_;
    const std::int64_t at = nowMs + faults_.answerDelayMs;
    if (faults_.oneByteBatches) {
        for (std::uint8_t b : wire) output_.push_back(Transmission{at, link::Bytes{b}});
    } else if (!wire.empty()) {
        output_.push_back(Transmission{at, std::move(wire)});
    }
}

}  // namespace qavi::sim
