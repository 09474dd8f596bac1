#include "e2e/sim_bench.h"

#include <algorithm>

namespace qavi::test {

WireTap::WireTap(sim::SimulatedSerialPort& port, const platform::Scheduler& clock)
    : port_(port), clock_(clock), parser_(port.model().variant()) {
    port_.onBytesReceived = [this](std::size_t count) {
        if (onBytesReceived) onBytesReceived(count);
    };
    port_.onError = [this](const platform::SerialError& error) {
        if (onError) onError(error);
    };
}

platform::SerialError WireTap::write(std::span<const std::uint8_t> bytes) {
    platform::SerialError error = port_.write(bytes);
    if (error) return error;
    const std::int64_t now = clock_.nowMs();
    for (sim::Request& r : parser_.feed(bytes, now)) requests_.push_back({now, std::move(r)});
    return error;
}

std::vector<sim::Request> WireTap::commandsSince(std::size_t from) const {
    std::vector<sim::Request> out;
    for (std::size_t i = from; i < requests_.size(); ++i) {
        const sim::Request& r = requests_[i].request;
        const bool poll = r.code == kPollCode && r.payload == link::Bytes{0x01};
        const bool identification = r.code == kSettingsReadCode && r.payload == link::Bytes{0x01};
        if (!poll && !identification) out.push_back(r);
    }
    return out;
}

int WireTap::count(const sim::Request& request, std::size_t from) const {
    return static_cast<int>(std::count_if(requests_.begin() + static_cast<std::ptrdiff_t>(from), requests_.end(),
                                          [&](const Seen& s) { return s.request == request; }));
}

SimBench::SimBench(BenchOptions options) : sim(scheduler, options.model, options.faults), serial(sim, scheduler) {}

void SimBench::startAndChoosePort() {
    window.FormCreate();
    link.zmien_port_COM(sim::SimulatedSerialPort::kPortName);
}

bool SimBench::connect() {
    startAndChoosePort();
    // Identification takes the settings block (760 bytes, about a second on the
    // line) and one busy tick; a few seconds is plenty.
    return advanceUntil([this] { return connected(); }, 5000);
}

bool SimBench::advanceUntil(const std::function<bool()>& condition, std::int64_t limitMs) {
    constexpr std::int64_t kStepMs = 10;
    for (std::int64_t waited = 0; waited <= limitMs; waited += kStepMs) {
        if (condition()) return true;
        scheduler.advance(kStepMs);
    }
    return condition();
}

bool SimBench::connected() const {
    const std::string& state = link.linkState();
    return form.Polacz_switch.checked() && (state == "count" || state == "read_count" || state == "read_count_1");
}

bool SimBench::queueSettled() const { return connected() && link.retryBudget() == 0 && link.currentCommand() == -1; }

bool SimBench::readSettings() {
    link.setRetryBudget(config::kCommandRetryBudget);
    link.QueueCommand({kSettingsReadCode, 0x00});
    // The answer is shown on the tick after it completed, which then clears the command.
    return advanceUntil([this] { return queueSettled() && link.linkState() == "count"; }, 4000);
}

}  // namespace qavi::test
