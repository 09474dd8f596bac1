#pragma once

// Everything a virtual-time test of the link needs, with the simulated
// controller on the serial line instead of a scripted fake. The test connects
// to the port named "SIM" and drives time with scheduler.advance(); faults go
// in through the options, or later through serial.unplug() and
// serial.model().setActiveErrors(). Link the test with qavi_sim.

#include "sim/simulated_serial_port.h"
#include "support/fake_platform.h"

namespace qavi::test {

struct SimulatedPlatform {
    explicit SimulatedPlatform(sim::ModelOptions model = {}, sim::FaultOptions faults = {})
        : serial(scheduler, model, faults) {}

    VirtualScheduler scheduler;
    sim::SimulatedSerialPort serial;
    MemoryKeyStore keys;
    FixedClock clock;
    TestLocale locale;
    ScriptedDialogs dialogs;
    FakeShell shell;
    FakeScreen screen;
    platform::Platform platform{serial, scheduler, keys, clock, locale, dialogs, shell, screen};
};

}  // namespace qavi::test
