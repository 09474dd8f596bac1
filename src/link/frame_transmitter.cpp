#include "link/frame_transmitter.h"

#include <memory>

namespace qavi::link {

FrameTransmitter::FrameTransmitter(platform::SerialPort& port, platform::Scheduler& scheduler)
    : port_(port), scheduler_(scheduler), alive_(std::make_shared<bool>(true)) {}

FrameTransmitter::~FrameTransmitter() { *alive_ = false; }

platform::SerialError FrameTransmitter::TransmitFrame(std::span<const std::uint8_t> frame) {
    const Bytes wire = wireForm(frame);
    const bool chunked = wire.size() > kChunkSize;
    for (std::size_t offset = 0; offset < wire.size(); offset += kChunkSize) {
        const std::size_t end = std::min(wire.size(), offset + kChunkSize);
        const bool full = (end - offset) == kChunkSize;
        pending_.push_back(Chunk{Bytes(wire.begin() + static_cast<long>(offset), wire.begin() + static_cast<long>(end)),
                                 chunked && full});
    }
    if (waiting_) {
        return {};  // goes out when the pause of the previous frame ends
    }
    return writeNext();
}

platform::SerialError FrameTransmitter::writeNext() {
    while (!pending_.empty() && !waiting_) {
        Chunk chunk = std::move(pending_.front());
        pending_.pop_front();
        platform::SerialError error = port_.write(chunk.bytes);
        if (error) {
            pending_.clear();
            return error;
        }
        if (chunk.pauseAfter) {
            scheduleNext();
        }
    }
    return {};
}

void FrameTransmitter::scheduleNext() {
    waiting_ = true;
    std::weak_ptr<bool> alive = alive_;
    scheduler_.singleShot(kPauseMs, [this, alive] {
        if (auto a = alive.lock(); !a || !*a) {
            return;
        }
        waiting_ = false;
        if (auto error = writeNext(); error && onLateWriteError) {
            onLateWriteError(error);
        }
    });
}

void FrameTransmitter::cancelPending() { pending_.clear(); }

}  // namespace qavi::link
