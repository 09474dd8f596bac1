#include "sim/request_parser.h"

#include <gtest/gtest.h>

#include "sim_test_support.h"

namespace qavi::sim {
namespace {

using link::Bytes;
using link::FirmwareVariant;
using testing::requestWire;

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(RequestParser, FindsTheBuiltInRequests) {
    RequestParser parser(FirmwareVariant::Ver2);
    const auto requests =
        parser.feed(concat({link::wireForm(link::IdentifyRequest()), link::wireForm(link::PollRequest())}), 0);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0], (Request{0x66, {0x01}}));
    EXPECT_EQ(requests[1], (Request{0x55, {0x01}}));
    EXPECT_EQ(parser.rejected(), 0);
    EXPECT_FALSE(parser.idleDeadline());
}

TEST(RequestParser, ARequestSplitAcrossReadsCompletesWithItsLastByte) {
    RequestParser parser(FirmwareVariant::Ver2);
    const Bytes wire = requestWire({0x44, 0x80, 0x7D, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80});
    for (std::size_t i = 0; i + 1 < wire.size(); ++i) {
        EXPECT_TRUE(parser.feed(Bytes{wire[i]}, static_cast<std::int64_t>(i)).empty()) << "byte " << i;
    }
    const auto requests = parser.feed(Bytes{wire.back()}, 20);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].code, 0x44);
    EXPECT_EQ(requests[0].payload.size(), 8u);
}

TEST(RequestParser, ABadSumIsDroppedAndTheNextLeadByteResynchronises) {
    RequestParser parser(FirmwareVariant::Ver2);
    Bytes bad = requestWire({0x0F, 0x28});
    bad.back() ^= 0x01;
    const auto requests = parser.feed(concat({bad, requestWire({0x09, 0x12})}), 0);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], (Request{0x09, {0x12}}));
    EXPECT_EQ(parser.rejected(), 1);
}

TEST(RequestParser, LineNoiseBeforeARequestIsSkipped) {
    RequestParser parser(FirmwareVariant::Ver1);
    // Noise, a lead byte not followed by a start byte, and a doubled lead byte.
    const Bytes noise = {0x00, 0x13, 0xFF, link::kLeadByte, 0x42, 0x17, link::kLeadByte};
    const auto requests = parser.feed(concat({noise, requestWire({0x10, 0x00})}), 0);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], (Request{0x10, {0x00}}));
}

TEST(RequestParser, TheChangeOverTimeHasOneByteOnVer1AndTwoOnVer2) {
    struct Case {
        FirmwareVariant variant;
        Bytes command;
    };
    const Case cases[] = {{FirmwareVariant::Ver1, {0x22, 0x3C}}, {FirmwareVariant::Ver2, {0x22, 0x01, 0x2C}}};
    for (const auto& c : cases) {
        RequestParser parser(c.variant);
        const auto requests = parser.feed(requestWire(c.command), 0);
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].payload, Bytes(c.command.begin() + 1, c.command.end()));
    }
    // The ver_2 form sent to a ver_1 controller does not check out there.
    RequestParser ver1(FirmwareVariant::Ver1);
    EXPECT_TRUE(ver1.feed(requestWire({0x22, 0x01, 0x2C}), 0).empty());
}

TEST(RequestParser, AnUnknownCodeEndsAtAPauseInTheLine) {
    RequestParser parser(FirmwareVariant::Ver2);
    EXPECT_TRUE(parser.feed(requestWire({0x7E, 0x01, 0x02, 0x03}), 100).empty());
    ASSERT_EQ(parser.idleDeadline(), 100 + RequestParser::kIdleGapMs);
    EXPECT_TRUE(parser.idle(100 + RequestParser::kIdleGapMs - 1).empty());
    const auto requests = parser.idle(100 + RequestParser::kIdleGapMs);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], (Request{0x7E, {0x01, 0x02, 0x03}}));
}

TEST(RequestParser, AnUnknownCodeEndsAtTheNextRequest) {
    RequestParser parser(FirmwareVariant::Ver2);
    const auto requests = parser.feed(concat({requestWire({0x7E, 0x05}), link::wireForm(link::PollRequest())}), 0);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0], (Request{0x7E, {0x05}}));
    EXPECT_EQ(requests[1], (Request{0x55, {0x01}}));
}

TEST(RequestParser, ASettingsWriteBackIsTakenWholeOrAsFarAsAShortFileReaches) {
    for (auto variant : {FirmwareVariant::Ver1, FirmwareVariant::Ver2}) {
        const int full = variant == FirmwareVariant::Ver2 ? 554 : 540;
        RequestParser parser(variant);
        Bytes command(static_cast<std::size_t>(full + 1), 0x5A);
        command[0] = 0x1A;
        auto requests = parser.feed(requestWire(command), 0);
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].payload.size(), static_cast<std::size_t>(full));

        Bytes shortCommand(301, 0x33);
        shortCommand[0] = 0x1A;
        EXPECT_TRUE(parser.feed(requestWire(shortCommand), 1000).empty());
        requests = parser.idle(1000 + RequestParser::kIdleGapMs);
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].payload.size(), 300u);
    }
}

TEST(RequestParser, AServiceWriteIsTakenWholeOrShortAfterAPause) {
    RequestParser parser(FirmwareVariant::Ver2);
    Bytes whole(66, 0x00);
    whole[0] = 'M';
    auto requests = parser.feed(testing::plainRequestWire(whole), 0);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].payload.size(), 65u);
    // Before any record was read the tool's 'M' carries only its own 53 bytes.
    Bytes uncompleted(54, 0x01);
    uncompleted[0] = 'M';
    EXPECT_TRUE(parser.feed(requestWire(uncompleted), 1000).empty());
    requests = parser.idle(1000 + RequestParser::kIdleGapMs);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].payload.size(), 53u);
}

TEST(RequestParser, ARequestCutOffHalfWayIsAbandonedAndTheRetryIsRead) {
    RequestParser parser(FirmwareVariant::Ver2);
    const Bytes wire = requestWire({0x0F, 0x28});
    EXPECT_TRUE(parser.feed(Bytes(wire.begin(), wire.begin() + 3), 0).empty());
    // The tool gives up and sends the command again after its answer time-out.
    const auto requests = parser.feed(wire, 3000);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], (Request{0x0F, {0x28}}));
    EXPECT_EQ(parser.rejected(), 1);
}

TEST(RequestParser, AnOverlongOpenRequestIsDropped) {
    RequestParser parser(FirmwareVariant::Ver2);
    Bytes command(RequestParser::kMaxOpenPayload + 10, 0x01);
    command[0] = 0x7E;
    EXPECT_TRUE(parser.feed(requestWire(command), 0).empty());
    EXPECT_TRUE(parser.idle(1000).empty());
    EXPECT_GE(parser.rejected(), 1);
}

}  // namespace
}  // namespace qavi::sim
