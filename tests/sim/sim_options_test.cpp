#include "sim/sim_options.h"

#include <gtest/gtest.h>

namespace qavi::sim {
namespace {

ParsedOptions parse(std::vector<std::string> args) { return parseSimOptions(args); }

TEST(SimOptions, DefaultsAreAHealthyVer2Controller) {
    const auto p = parse({});
    ASSERT_TRUE(p.options);
    EXPECT_EQ(p.options->model.firmware.patch, 11);
    EXPECT_FALSE(p.options->faults.silent);
    EXPECT_EQ(p.options->faults.dropRate, 0.0);
    EXPECT_TRUE(p.options->stateFile.empty());
}

TEST(SimOptions, EveryOptionIsRead) {
    const auto p = parse({"--firmware",
                          "3.7.7",
                          "--time-scale",
                          "20",
                          "--state",
                          "/tmp/s.bin",
                          "--seed",
                          "42",
                          "--silent",
                          "--drop",
                          "0.1",
                          "--corrupt",
                          "0.2",
                          "--duplicate",
                          "0.3",
                          "--one-byte-batches",
                          "--delay",
                          "400",
                          "--wrong-code",
                          "1",
                          "--report-version",
                          "5.9.12",
                          "--bad-version-check",
                          "--vanish-after",
                          "5000",
                          "--errors",
                          "F3,fa,0xFF"});
    ASSERT_TRUE(p.options) << p.error;
    const SimOptions& o = *p.options;
    EXPECT_EQ(o.model.firmware.major, 3);
    EXPECT_EQ(o.model.timeScale, 20.0);
    EXPECT_EQ(o.stateFile, "/tmp/s.bin");
    EXPECT_EQ(o.model.seed, 42u);
    EXPECT_EQ(o.faults.seed, 42u);
    EXPECT_TRUE(o.faults.silent);
    EXPECT_EQ(o.faults.dropRate, 0.1);
    EXPECT_EQ(o.faults.corruptRate, 0.2);
    EXPECT_EQ(o.faults.duplicateRate, 0.3);
    EXPECT_TRUE(o.faults.oneByteBatches);
    EXPECT_EQ(o.faults.answerDelayMs, 400);
    EXPECT_EQ(o.faults.wrongCodeRate, 1.0);
    ASSERT_TRUE(o.model.reportedVersion);
    EXPECT_EQ(o.model.reportedVersion->patch, 12);
    EXPECT_TRUE(o.model.wrongVersionCheck);
    EXPECT_EQ(o.faults.vanishAfterMs, 5000);
    EXPECT_EQ(o.errors.flagsA, 0xF3);
    EXPECT_EQ(o.errors.injectors, 0xFA);
    EXPECT_EQ(o.errors.flagsB, 0xFF);
}

TEST(SimOptions, BadInputIsNamed) {
    const std::vector<std::vector<std::string>> cases = {
        {"--firmware"},          {"--firmware", "5.9"}, {"--firmware", "5.9.256"},
        {"--firmware", "a.b.c"}, {"--time-scale", "0"}, {"--time-scale", "x"},
        {"--drop", "1.5"},       {"--drop", "-0.1"},    {"--delay", "-1"},
        {"--seed", "x"},         {"--errors", "F3,FA"}, {"--errors", "F3,FA,FF,00"},
        {"--errors", "G1,0,0"},  {"--state", ""},       {"--bogus"},
    };
    for (const auto& c : cases) {
        const auto p = parse(c);
        EXPECT_FALSE(p.options) << c[0];
        EXPECT_FALSE(p.error.empty()) << c[0];
    }
}

TEST(SimOptions, HelpIsAskedFor) {
    const auto p = parse({"--help"});
    ASSERT_TRUE(p.options);
    EXPECT_TRUE(p.options->help);
    EXPECT_NE(simUsage().find("--firmware"), std::string::npos);
}

}  // namespace
}  // namespace qavi::sim
