#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <span>

#include "link/frame_codec.h"
#include "platform/scheduler.h"
#include "platform/serial_port.h"

namespace qavi::link {

// Writes the wire form of a frame in chunks of at most 80 bytes with a 1 ms
// pause after each full chunk. The pauses are scheduled rather than slept so
// the window stays responsive; a frame handed over while chunks of the previous
// one are pending goes out behind them.
class FrameTransmitter {
public:
    static constexpr std::size_t kChunkSize = 80;
    static constexpr int kPauseMs = 1;

    FrameTransmitter(platform::SerialPort& port, platform::Scheduler& scheduler);
    ~FrameTransmitter();

    // Writes the first chunk at once; its error (port not open, write failed)
    // is returned so the caller can stop its exchange. Errors of later chunks go
    // to onLateWriteError.
    platform::SerialError TransmitFrame(std::span<const std::uint8_t> frame);

    // Drops chunks not yet written (the port was closed).
    void cancelPending();
    bool hasPending() const { return !pending_.empty(); }

    std::function<void(const platform::SerialError&)> onLateWriteError;

private:
    struct Chunk {
        Bytes bytes;
        bool pauseAfter;
    };
    platform::SerialError writeNext();
    void scheduleNext();

    platform::SerialPort& port_;
    platform::Scheduler& scheduler_;
    std::deque<Chunk> pending_;
    bool waiting_ = false;
    std::shared_ptr<bool> alive_;
};

}  // namespace qavi::link
