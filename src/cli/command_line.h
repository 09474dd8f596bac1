#pragma once

// The desktop tool's command line, kept apart from Qt so it can be tested on
// its own. Qt's own options are taken out of argv by QApplication before this
// parser sees the rest.

#include <ostream>
#include <string>
#include <vector>

namespace qavi::cli {

inline constexpr const char* kVersionText = "QAVI 3.03";
inline constexpr int kUsageExitCode = 2;

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    // The device to connect to at start (any name or path the serial port accepts); empty for none.
    std::string portName;
    // Talk to the built-in controller simulator instead of a serial port.
    bool demo = false;
    // What went wrong, for Action::Fail.
    std::string error;
};

// Parses the arguments after the program name. Accepts "--port NAME",
// "--port=NAME", "--demo", "--help" (also "-h") and "--version".
CommandLine parseCommandLine(const std::vector<std::string>& args);
CommandLine parseCommandLine(int argc, const char* const* argv);

std::string usageText(const std::string& programName);

// Prints what the command line asks for (help, version, or the error and the
// usage) and returns the exit code; returns -1 when the program should run.
int reportCommandLine(const CommandLine& commandLine, const std::string& programName, std::ostream& out,
                      std::ostream& err);

}  // namespace qavi::cli
