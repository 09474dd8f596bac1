#pragma once

// The whole window against the simulated controller, on virtual time: the
// tool's model of the window is driven the way a user drives it, the
// controller answers over the simulated 7200-baud line, and a tap on the line
// records every request the controller is sent, so a test can check the exact
// command and then what the controller made of it.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sim/request_parser.h"
#include "sim/simulated_serial_port.h"
#include "support/fake_platform.h"
#include "ui/window/qavi_window.h"

namespace qavi::test {

// Stands between the tool and the simulated port and reads the requests the
// tool writes, as the controller's own parser reads them.
class WireTap : public platform::SerialPort {
public:
    struct Seen {
        std::int64_t atMs;
        sim::Request request;
    };

    WireTap(sim::SimulatedSerialPort& port, const platform::Scheduler& clock);

    std::optional<std::vector<std::string>> listPorts() override { return port_.listPorts(); }
    platform::SerialError open(const platform::PortSettings& settings) override { return port_.open(settings); }
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }
    platform::SerialError write(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> read(std::size_t maxBytes) override { return port_.read(maxBytes); }
    std::size_t bytesAvailable() const override { return port_.bytesAvailable(); }
    void clearLineErrors() override { port_.clearLineErrors(); }

    // Every request written so far, polls included.
    const std::vector<Seen>& requests() const { return requests_; }
    // The requests from position `from` on that are not polls or identifications.
    std::vector<sim::Request> commandsSince(std::size_t from) const;
    std::size_t mark() const { return requests_.size(); }
    // How many requests with this code and exact payload went out from `from` on.
    int count(const sim::Request& request, std::size_t from = 0) const;

private:
    sim::SimulatedSerialPort& port_;
    const platform::Scheduler& clock_;
    sim::RequestParser parser_;
    std::vector<Seen> requests_;
};

struct BenchOptions {
    sim::ModelOptions model;
    sim::FaultOptions faults;

    static BenchOptions firmware(link::FirmwareVersion version) {
        BenchOptions o;
        o.model.firmware = version;
        return o;
    }
    static BenchOptions withFaults(sim::FaultOptions faults) {
        BenchOptions o;
        o.faults = faults;
        return o;
    }
};

// One bench: the simulated controller on the line, the fakes of the other
// platform parts and the window built on them.
class SimBench {
public:
    explicit SimBench(BenchOptions options = {});

    // The window's start-up, then the user chooses the port "SIM" in the port menu.
    void startAndChoosePort();
    // As startAndChoosePort, then waits for the link to come up; false if it did not.
    bool connect();
    // Moves virtual time on in small steps until the condition holds; false when
    // it did not within the limit.
    bool advanceUntil(const std::function<bool()>& condition, std::int64_t limitMs);
    void advance(std::int64_t ms) { scheduler.advance(ms); }

    bool connected() const;
    // The command in flight was acknowledged and nothing waits in the queue.
    bool queueSettled() const;
    // Queues the settings read the way the settings file handlers do and waits
    // until its answer has been shown; false if that did not happen.
    bool readSettings();

    VirtualScheduler scheduler;
    sim::SimulatedSerialPort sim;
    WireTap serial;
    MemoryKeyStore keys;
    FixedClock clock;
    TestLocale locale;
    ScriptedDialogs dialogs;
    FakeShell shell;
    FakeScreen screen;
    platform::Platform platform{serial, scheduler, keys, clock, locale, dialogs, shell, screen};
    ui::QaviWindow window{platform};
    ui::Form& form = window.form;
    link::LinkSession& link = window.link;
};

inline constexpr std::uint8_t kPollCode = 0x55;
inline constexpr std::uint8_t kSettingsReadCode = 0x66;

}  // namespace qavi::test
