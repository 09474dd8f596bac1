#include "cli/command_line.h"

namespace qavi::cli {

namespace {

CommandLine failure(std::string error) {
    CommandLine result;
    result.action = CommandLine::Action::Fail;
    result.error = std::move(error);
    return result;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    bool portGiven = false;
    auto takePort = [&](const std::string& name) -> bool {
        if (portGiven) return false;
        portGiven = true;
        result.portName = name;
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            result.action = CommandLine::Action::ShowHelp;
            return result;
        }
        if (arg == "--version") {
            result.action = CommandLine::Action::ShowVersion;
            return result;
        }
        if (arg == "--demo") {
            result.demo = true;
        } else if (arg == "--port") {
            if (i + 1 >= args.size() || args[i + 1].empty()) return failure("option --port needs a port name");
            if (!takePort(args[++i])) return failure("option --port given more than once");
        } else if (arg.rfind("--port=", 0) == 0) {
            const std::string name = arg.substr(7);
            if (name.empty()) return failure("option --port needs a port name");
            if (!takePort(name)) return failure("option --port given more than once");
        } else if (!arg.empty() && arg[0] == '-') {
            return failure("unknown option " + arg);
        } else {
            return failure("unexpected argument " + arg);
        }
    }
    // Both would name the line; neither may silently win.
    if (result.demo && portGiven) return failure("options --demo and --port exclude each other");
    return result;
}

CommandLine parseCommandLine(int argc, const char* const* argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i] ? argv[i] : "");
    return parseCommandLine(args);
}

std::string usageText(const std::string& programName) {
    return "Usage: " + programName +
           " [--port NAME] [--demo]\n"
           "\n"
           "  --port NAME   connect to this serial port at start (a name from the port menu\n"
           "                or a device path such as /dev/ttyUSB0 or /dev/pts/7)\n"
           "  --demo        connect to the built-in controller simulator\n"
           "  --help        show this help and exit\n"
           "  --version     show the version and exit\n";
}

int reportCommandLine(const CommandLine& commandLine, const std::string& programName, std::ostream& out,
                      std::ostream& err) {
    switch (commandLine.action) {
        case CommandLine::Action::ShowHelp:
            out << usageText(programName);
            return 0;
        case CommandLine::Action::ShowVersion:
            out << kVersionText << '\n';
            return 0;
        case CommandLine::Action::Fail:
            err << programName << ": " << commandLine.error << "\n\n" << usageText(programName);
            return kUsageExitCode;
        case CommandLine::Action::Run:
            break;
    }
    return -1;
}

}  // namespace qavi::cli
