#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qavi::cli {
namespace {

using Action = CommandLine::Action;

struct ParseCase {
    std::vector<std::string> args;
    Action action;
    std::string portName;
    bool demo;
};

TEST(CommandLine, ParsesTheKnownOptions) {
    const ParseCase cases[] = {
        {{}, Action::Run, "", false},
        {{"--port", "/dev/pts/7"}, Action::Run, "/dev/pts/7", false},
        {{"--port=ttyUSB0"}, Action::Run, "ttyUSB0", false},
        {{"--demo"}, Action::Run, "", true},
        {{"--help"}, Action::ShowHelp, "", false},
        {{"-h"}, Action::ShowHelp, "", false},
        {{"--version"}, Action::ShowVersion, "", false},
        {{"--port", "COM3", "--version"}, Action::ShowVersion, "COM3", false},
    };
    for (const auto& c : cases) {
        const CommandLine cl = parseCommandLine(c.args);
        EXPECT_EQ(cl.action, c.action) << testing::PrintToString(c.args);
        EXPECT_EQ(cl.portName, c.portName) << testing::PrintToString(c.args);
        EXPECT_EQ(cl.demo, c.demo) << testing::PrintToString(c.args);
    }
}

TEST(CommandLine, RejectsWhatItDoesNotKnow) {
    const std::vector<std::vector<std::string>> cases = {
        {"--frobnicate"},
        {"--port"},
        {"--port", ""},
        {"--port="},
        {"extra"},
        {"--port", "a", "--port", "b"},
        {"-x"},
        {"--demo", "--port", "/dev/ttyUSB0"},
        {"--port=/dev/pts/3", "--demo"},
    };
    for (const auto& args : cases) {
        const CommandLine cl = parseCommandLine(args);
        EXPECT_EQ(cl.action, Action::Fail) << testing::PrintToString(args);
        EXPECT_FALSE(cl.error.empty());
    }
}

TEST(CommandLine, UnknownOptionPrintsErrorAndUsageAndExitsWithTwo) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = reportCommandLine(parseCommandLine({"--bogus"}), "qavi", out, err);
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(out.str().empty());
    EXPECT_NE(err.str().find("unknown option --bogus"), std::string::npos);
    EXPECT_NE(err.str().find("Usage: qavi"), std::string::npos);
}

TEST(CommandLine, HelpAndVersionPrintAndExitWithZero) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(reportCommandLine(parseCommandLine({"--version"}), "qavi", out, err), 0);
    EXPECT_EQ(out.str(), "QAVI 3.03\n");
    out.str("");
    EXPECT_EQ(reportCommandLine(parseCommandLine({"--help"}), "qavi", out, err), 0);
    EXPECT_NE(out.str().find("--port NAME"), std::string::npos);
    EXPECT_TRUE(err.str().empty());
}

TEST(CommandLine, RunReportsNothing) {
    std::ostringstream out;
    std::ostringstream err;
    const char* argv[] = {"qavi", "--port", "/dev/pts/3"};
    const CommandLine cl = parseCommandLine(3, argv);
    EXPECT_EQ(reportCommandLine(cl, "qavi", out, err), -1);
    EXPECT_EQ(cl.portName, "/dev/pts/3");
    EXPECT_TRUE(out.str().empty() && err.str().empty());
}

}  // namespace
}  // namespace qavi::cli
