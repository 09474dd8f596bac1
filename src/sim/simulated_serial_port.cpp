#include "sim/simulated_serial_port.h"

#include <algorithm>
#include <cmath>

namespace qavi::sim {

namespace {

std::int64_t ceilMs(double micros) { return static_cast<std::int64_t>(std::ceil(micros / 1000.0 - 1e-9)); }

}  // namespace

SimulatedSerialPort::SimulatedSerialPort(platform::Scheduler& scheduler, ModelOptions model, FaultOptions faults,
                                         LineTiming timing)
    : scheduler_(scheduler), timing_(timing), model_(model), wire_(model_, faults) {}

SimulatedSerialPort::~SimulatedSerialPort() { *alive_ = false; }

std::optional<std::vector<std::string>> SimulatedSerialPort::listPorts() {
    if (unplugged_) return std::vector<std::string>{};
    return std::vector<std::string>{kPortName};
}

platform::SerialError SimulatedSerialPort::open(const platform::PortSettings& settings) {
    if (unplugged_ || settings.portName != kPortName) {
        return {platform::SerialErrorKind::NotFound, "No such file or directory"};
    }
    // A controller at another rate hears only noise and never answers.
    baudMatches_ = settings.effectiveBaudRate() == timing_.baud;
    if (!open_) {
        open_ = true;
        ++session_;
        const double now = static_cast<double>(scheduler_.nowMs()) * 1000.0;
        toControllerFreeUs_ = std::max(toControllerFreeUs_, now);
        toToolFreeUs_ = std::max(toToolFreeUs_, now);
        if (wire_.faults().vanishAfterMs) later(*wire_.faults().vanishAfterMs, [this] { unplug(); });
    }
    return {};
}

void SimulatedSerialPort::close() {
    open_ = false;
    ++session_;
    inbox_.clear();
}

platform::SerialError SimulatedSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (unplugged_) return {platform::SerialErrorKind::Io, "Input/output error"};
    if (!open_) return {platform::SerialErrorKind::NotOpen, "The port is not open"};
    // The controller takes the bytes in as they come off the line, a few at a
    // time, so a long request written in chunks arrives without pauses.
    const double now = static_cast<double>(scheduler_.nowMs()) * 1000.0;
    double at = std::max(now, toControllerFreeUs_);
    const std::size_t perEvent = static_cast<std::size_t>(std::max(1, timing_.bytesPerEvent));
    for (std::size_t i = 0; i < bytes.size(); i += perEvent) {
        const std::size_t n = std::min(perEvent, bytes.size() - i);
        at += static_cast<double>(n) * timing_.byteMicros();
        std::vector<std::uint8_t> piece(bytes.begin() + static_cast<std::ptrdiff_t>(i),
                                        bytes.begin() + static_cast<std::ptrdiff_t>(i + n));
        later(ceilMs(at - now), [this, piece = std::move(piece)] { arrive(piece); });
    }
    toControllerFreeUs_ = at;
    return {};
}

std::vector<std::uint8_t> SimulatedSerialPort::read(std::size_t maxBytes) {
    const std::size_t n = std::min(maxBytes, inbox_.size());
    std::vector<std::uint8_t> out(inbox_.begin(), inbox_.begin() + static_cast<std::ptrdiff_t>(n));
    inbox_.erase(inbox_.begin(), inbox_.begin() + static_cast<std::ptrdiff_t>(n));
    return out;
}

void SimulatedSerialPort::unplug() {
    if (unplugged_) return;
    unplugged_ = true;
    ++session_;
    if (open_ && onError) onError({platform::SerialErrorKind::Io, "The device was removed"});
}

void SimulatedSerialPort::plugBackIn() { unplugged_ = false; }

void SimulatedSerialPort::later(std::int64_t delayMs, std::function<void()> action) {
    std::weak_ptr<bool> alive = alive_;
    const std::uint64_t session = session_;
    scheduler_.singleShot(static_cast<int>(std::max<std::int64_t>(0, delayMs)),
                          [this, alive, session, action = std::move(action)] {
                              if (alive.expired() || session != session_ || unplugged_) return;
                              action();
                          });
}

void SimulatedSerialPort::arrive(const std::vector<std::uint8_t>& bytes) {
    if (!baudMatches_) return;
    wire_.receive(bytes, scheduler_.nowMs());
    pump();
    scheduleIdle();
}

void SimulatedSerialPort::scheduleIdle() {
    const auto deadline = wire_.idleDeadline();
    if (!deadline) return;
    later(*deadline - scheduler_.nowMs(), [this] {
        wire_.idle(scheduler_.nowMs());
        pump();
        scheduleIdle();
    });
}

void SimulatedSerialPort::pump() {
    const double now = static_cast<double>(scheduler_.nowMs()) * 1000.0;
    const double byteUs = timing_.byteMicros();
    const std::size_t perEvent = static_cast<std::size_t>(std::max(1, timing_.bytesPerEvent));
    for (Transmission& t : wire_.takeOutput()) {
        double at = std::max({now, toToolFreeUs_, static_cast<double>(t.notBeforeMs) * 1000.0});
        for (std::size_t i = 0; i < t.bytes.size(); i += perEvent) {
            const std::size_t n = std::min(perEvent, t.bytes.size() - i);
            at += static_cast<double>(n) * byteUs;
            std::vector<std::uint8_t> chunk(t.bytes.begin() + static_cast<std::ptrdiff_t>(i),
                                            t.bytes.begin() + static_cast<std::ptrdiff_t>(i + n));
            later(ceilMs(at - now), [this, chunk = std::move(chunk)] {
                inbox_.insert(inbox_.end(), chunk.begin(), chunk.end());
                if (onBytesReceived) onBytesReceived(inbox_.size());
            });
        }
        toToolFreeUs_ = at;
    }
}

}  // namespace qavi::sim
