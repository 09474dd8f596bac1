#pragma once

// Command line of qavi-sim.

#include <optional>
#include <span>
#include <string>

#include "sim/controller_model.h"
#include "sim/wire_controller.h"

namespace qavi::sim {

struct SimOptions {
    ModelOptions model;
    FaultOptions faults;
    ActiveErrors errors;
    std::string stateFile;  // empty: nothing kept between runs
    bool help = false;
};

struct ParsedOptions {
    std::optional<SimOptions> options;
    std::string error;  // set when options is empty
};

// args excludes the program name.
ParsedOptions parseSimOptions(std::span<const std::string> args);
std::string simUsage();

// "5.9.11" -> {5, 9, 11}; nullopt unless three numbers 0..255 joined by dots.
std::optional<link::FirmwareVersion> parseVersion(const std::string& text);

}  // namespace qavi::sim
