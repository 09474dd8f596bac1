#pragma once

// The simulated controller behind a serial port, in process: what
// `qavi --demo` and the virtual-time tests plug in where the real port goes.
//
// Wiring it (the composition root owns both objects; the port must outlive
// nothing but the link that uses it):
//
//     qavi::sim::ModelOptions controller;          // 5.9.11 unless told otherwise
//     controller.timeScale = 10;                   // warm up in a demo's patience
//     controller.seed = std::random_device{}();    // a demo may differ run to run; tests keep 1
//     qavi::sim::SimulatedSerialPort port(scheduler, controller);
//     qavi::platform::Platform platform{port, scheduler, keys, clock, ...};
//     // the tool lists the port "SIM" and connects to it like to any other;
//     // tests: tests/sim/simulated_platform.h bundles this with the other fakes.
//
// Bytes travel at the line's pace (7200 baud, 10 bits a byte, about 1.39 ms a
// byte) in both directions, and answers arrive as a receive event every few
// bytes, as a USB adapter hands them over. Everything runs on the scheduler
// given, so under a virtual scheduler a test sees exact, repeatable timing.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "platform/scheduler.h"
#include "platform/serial_port.h"
#include "sim/controller_model.h"
#include "sim/wire_controller.h"

namespace qavi::sim {

struct LineTiming {
    int baud = 7200;
    int bitsPerByte = 10;   // start bit, 8 data bits, stop bit
    int bytesPerEvent = 8;  // bytes gathered into one receive event (about 11 ms)

    double byteMicros() const { return bitsPerByte * 1e6 / baud; }
};

class SimulatedSerialPort : public platform::SerialPort {
public:
    static constexpr const char* kPortName = "SIM";

    SimulatedSerialPort(platform::Scheduler& scheduler, ModelOptions model = {}, FaultOptions faults = {},
                        LineTiming timing = {});
    ~SimulatedSerialPort() override;

    std::optional<std::vector<std::string>> listPorts() override;
    platform::SerialError open(const platform::PortSettings& settings) override;
    void close() override;
    bool isOpen() const override { return open_; }
    platform::SerialError write(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> read(std::size_t maxBytes) override;
    std::size_t bytesAvailable() const override { return inbox_.size(); }
    void clearLineErrors() override { ++lineErrorClears_; }

    // The adapter is pulled out: one error event if the port is open, then
    // silence; the port vanishes from the list until plugBackIn().
    void unplug();
    void plugBackIn();
    bool unplugged() const { return unplugged_; }

    ControllerModel& model() { return model_; }
    WireController& controller() { return wire_; }
    int lineErrorClears() const { return lineErrorClears_; }

private:
    void arrive(const std::vector<std::uint8_t>& bytes);
    void pump();
    void scheduleIdle();
    // Runs the action after delayMs unless the port was closed, unplugged or destroyed meanwhile.
    void later(std::int64_t delayMs, std::function<void()> action);

    platform::Scheduler& scheduler_;
    LineTiming timing_;
    ControllerModel model_;
    WireController wire_;
    bool open_ = false;
    bool unplugged_ = false;
    bool baudMatches_ = true;
    std::uint64_t session_ = 0;      // bumped by close/unplug to cancel what is in flight
    double toControllerFreeUs_ = 0;  // the tool-to-controller line is busy until then
    double toToolFreeUs_ = 0;        // the controller-to-tool line is busy until then
    std::deque<std::uint8_t> inbox_;
    int lineErrorClears_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace qavi::sim
