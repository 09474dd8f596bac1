#include "link/frame_codec.h"

#include <gtest/gtest.h>

#include <set>

#include "link/rounding.h"

namespace qavi::link {
namespace {

TEST(Scramble, StructuralStepsMatchTheKnownValues) {
    const std::pair<std::uint8_t, std::uint8_t> cases[] = {
        {0x00, 0xDF}, {0x01, 0x20}, {0x55, 0xAA}, {0x66, 0x13}, {0xFF, 0xFF}};
    for (auto [in, out] : cases) {
        EXPECT_EQ(scrambleStructure(in), out) << "byte " << int(in);
        EXPECT_EQ(unscrambleStructure(out), in) << "byte " << int(out);
    }
}

TEST(Scramble, BothDirectionsArePermutations) {
    std::set<int> scrambled;
    std::set<int> unscrambled;
    for (int b = 0; b < 256; ++b) {
        scrambled.insert(ScrambleByte(static_cast<std::uint8_t>(b)));
        unscrambled.insert(UnscrambleByte(static_cast<std::uint8_t>(b)));
    }
    EXPECT_EQ(scrambled.size(), 256u);
    EXPECT_EQ(unscrambled.size(), 256u);
}

TEST(Scramble, ReceiveSideInvertsWhatTheControllerSendsNotWhatTheToolSends) {
    int roundTrips = 0;
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<std::uint8_t>(b);
        // The controller masks with the receive mask before the structural steps are undone.
        const auto fromController = static_cast<std::uint8_t>(scrambleStructure(byte) ^ kReceiveMask);
        EXPECT_EQ(UnscrambleByte(fromController), byte);
        roundTrips += UnscrambleByte(ScrambleByte(byte)) == byte;
    }
    EXPECT_LT(roundTrips, 256);
}

struct FrameCase {
    const char* name;
    Bytes command;
    Bytes frame;
};

TEST(BuildFrame, AddsStartByteAndAdditiveSum) {
    const FrameCase cases[] = {
        {"factory reset", {0x26}, {0xAA, 0x26, 0xD0}},
        {"clear errors", {0x10, 0x00}, {0xAA, 0x10, 0x00, 0xBA}},
        {"read settings", {0x66, 0x00}, {0xAA, 0x66, 0x00, 0x10}},
        {"sum wraps", {0xFF, 0xFF}, {0xAA, 0xFF, 0xFF, 0xA8}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BuildFrame(c.command, nullptr), c.frame) << c.name;
    }
}

TEST(BuiltInRequests, AreValidFrames) {
    for (const Bytes* frame : {&IdentifyRequest(), &PollRequest()}) {
        ASSERT_EQ(frame->size(), 4u);
        EXPECT_EQ((*frame)[0], kStartByte);
        EXPECT_EQ(frame->back(), additiveSum(std::span(*frame).first(3)));
    }
    EXPECT_EQ(IdentifyRequest(), (Bytes{0xAA, 0x66, 0x01, 0x11}));
    EXPECT_EQ(PollRequest(), (Bytes{0xAA, 0x55, 0x01, 0x00}));
}

class FixedServiceFields : public ServiceFieldSource {
public:
    ServiceWriteFields serviceWriteFields() const override { return fields; }
    ServiceWriteFields fields;
};

TEST(BuildFrame, ServiceWriteCarriesTheRecordFieldsAroundTheCallersBytes) {
    FixedServiceFields service;
    service.fields = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}};

    const Bytes alone = BuildFrame(Bytes{'M'}, &service);
    const Bytes expectedAlone{0xAA, 'M', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    ASSERT_EQ(alone.size(), expectedAlone.size() + 1);
    EXPECT_TRUE(std::equal(expectedAlone.begin(), expectedAlone.end(), alone.begin()));
    EXPECT_EQ(alone.back(), additiveSum(expectedAlone));

    Bytes command{'M'};
    for (int i = 1; i < 60; ++i) command.push_back(static_cast<std::uint8_t>(0x80 + i));
    const Bytes frame = BuildFrame(command, &service);
    // 'M', 4 + 4 service bytes, offsets 1-8, 4 bytes, offsets 9-53: the last 6 are dropped.
    ASSERT_EQ(frame.size(), 1u + 1 + 8 + 8 + 4 + 45 + 1);
    EXPECT_EQ(frame[10], 0x81);  // command offset 1 follows the two time fields
    EXPECT_EQ(frame[17], 0x88);  // command offset 8
    EXPECT_EQ(frame[18], 9);     // inspection field
    EXPECT_EQ(frame[22], 0x89);  // command offset 9
    EXPECT_EQ(frame[frame.size() - 2], 0x80 + 53);
}

TEST(BuildFrame, ServiceWriteWithoutARecordCarriesOnlyTheCallersBytes) {
    FixedServiceFields none;
    EXPECT_EQ(BuildFrame(Bytes{'M', 7, 8}, &none), (Bytes{0xAA, 'M', 7, 8, 0x06}));
    EXPECT_EQ(BuildFrame(Bytes{'M', 7, 8}, nullptr), (Bytes{0xAA, 'M', 7, 8, 0x06}));
}

TEST(WireForm, LeadByteThenScrambledFrame) {
    const Bytes wire = wireForm(PollRequest());
    ASSERT_EQ(wire.size(), 5u);
    EXPECT_EQ(wire[0], kLeadByte);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(wire[i + 1], ScrambleByte(PollRequest()[i]));
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, long long> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2},     {-0.5, 0},  {-1.5, -2},
                                                  {2.4, 2}, {2.6, 3}, {119.5, 120}, {-5.0, -5}, {251.0, 251}};
    for (auto [in, out] : cases) EXPECT_EQ(roundHalfEven(in), out) << in;
}

}  // namespace
}  // namespace qavi::link
