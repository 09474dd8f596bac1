#pragma once

// The controller's end of the serial line: wire bytes in, scrambled answers
// out, with the faults a bench can inject. The transports (the in-process
// port, the pseudo-terminal) decide how the bytes travel; this class decides
// what is said and when it may leave.

#include <cstdint>
#include <deque>
#include <optional>
#include <span>

#include "sim/controller_model.h"
#include "sim/request_parser.h"
#include "sim/sim_random.h"

namespace qavi::sim {

struct FaultOptions {
    bool silent = false;          // answer nothing at all
    double dropRate = 0.0;        // per answer byte
    double corruptRate = 0.0;     // per answer byte
    double duplicateRate = 0.0;   // per answer byte
    bool oneByteBatches = false;  // every byte its own receive event
    int answerDelayMs = 0;        // extra time before an answer starts
    double wrongCodeRate = 0.0;   // per answer: a code that repeats nothing
    // The adapter disappears this long after the line opened.
    std::optional<std::int64_t> vanishAfterMs;
    std::uint64_t seed = 1;
};

// One run of bytes the transport delivers together (one receive event on an
// ideal line), not before the given time.
struct Transmission {
    std::int64_t notBeforeMs = 0;
    link::Bytes bytes;
};

class WireController {
public:
    WireController(ControllerModel& model, FaultOptions faults);

    // Bytes received from the tool at nowMs.
    void receive(std::span<const std::uint8_t> wire, std::int64_t nowMs);
    // The line stayed quiet until nowMs; ends requests of unknown length.
    void idle(std::int64_t nowMs);
    std::optional<std::int64_t> idleDeadline() const { return parser_.idleDeadline(); }

    bool hasOutput() const { return !output_.empty(); }
    std::deque<Transmission> takeOutput();

    int answered() const { return answered_; }
    int rejected() const { return parser_.rejected(); }
    const FaultOptions& faults() const { return faults_; }
    ControllerModel& model() { return model_; }

    // The byte the controller puts on the line for an answer byte.
    static std::uint8_t scrambleAnswerByte(std::uint8_t b);

private:
    void respond(const Request& request, std::int64_t nowMs);

    ControllerModel& model_;
    FaultOptions faults_;
    SimRandom random_;
    RequestParser parser_;
    std::deque<Transmission> output_;
    int answered_ = 0;
};

}  // namespace qavi::sim
