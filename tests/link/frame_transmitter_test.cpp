#include "link/frame_transmitter.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace qavi::link {
namespace {

// A frame whose wire form (lead byte included) has the given length.
Bytes frameForWireLength(std::size_t wireLength) { return Bytes(wireLength - 1, 0x42); }

struct ChunkCase {
    std::size_t wireLength;
    std::vector<std::pair<std::int64_t, std::size_t>> writes;  // (virtual ms, chunk size)
};

TEST(TransmitFrame, CutsIntoChunksPacedByTheScheduler) {
    const ChunkCase cases[] = {
        {5, {{0, 5}}},
        {80, {{0, 80}}},
        {81, {{0, 80}, {1, 1}}},
        {160, {{0, 80}, {1, 80}}},
        {555, {{0, 80}, {1, 80}, {2, 80}, {3, 80}, {4, 80}, {5, 80}, {6, 75}}},
    };
    for (const auto& c : cases) {
        test::VirtualScheduler scheduler;
        test::FakeSerialPort port(&scheduler);
        ASSERT_FALSE(port.open({}));
        FrameTransmitter tx(port, scheduler);
        const Bytes frame = frameForWireLength(c.wireLength);
        EXPECT_FALSE(tx.TransmitFrame(frame));
        scheduler.advance(100);
        ASSERT_EQ(port.writes.size(), c.writes.size()) << "wire length " << c.wireLength;
        for (std::size_t i = 0; i < c.writes.size(); ++i) {
            EXPECT_EQ(port.writes[i].atMs, c.writes[i].first) << c.wireLength << " chunk " << i;
            EXPECT_EQ(port.writes[i].bytes.size(), c.writes[i].second) << c.wireLength << " chunk " << i;
        }
        EXPECT_EQ(port.written(), wireForm(frame));
        EXPECT_FALSE(tx.hasPending());
    }
}

TEST(TransmitFrame, TheFirstChunkCarries79FrameBytes) {
    test::VirtualScheduler scheduler;
    test::FakeSerialPort port(&scheduler);
    ASSERT_FALSE(port.open({}));
    FrameTransmitter tx(port, scheduler);
    Bytes frame(100);
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<std::uint8_t>(i);
    tx.TransmitFrame(frame);
    ASSERT_EQ(port.writes.size(), 1u);
    EXPECT_EQ(port.writes[0].bytes[0], kLeadByte);
    EXPECT_EQ(port.writes[0].bytes[79], ScrambleByte(78));
}

TEST(TransmitFrame, AFrameHandedOverDuringAPauseGoesOutBehindThePreviousOne) {
    test::VirtualScheduler scheduler;
    test::FakeSerialPort port(&scheduler);
    ASSERT_FALSE(port.open({}));
    FrameTransmitter tx(port, scheduler);
    tx.TransmitFrame(frameForWireLength(81));
    tx.TransmitFrame(PollRequest());
    scheduler.advance(10);
    Bytes expected = wireForm(frameForWireLength(81));
    const Bytes poll = wireForm(PollRequest());
    expected.insert(expected.end(), poll.begin(), poll.end());
    EXPECT_EQ(port.written(), expected);
}

TEST(TransmitFrame, AClosedPortReportsItsErrorAndNothingIsLeftPending) {
    test::VirtualScheduler scheduler;
    test::FakeSerialPort port(&scheduler);
    FrameTransmitter tx(port, scheduler);
    const auto error = tx.TransmitFrame(frameForWireLength(200));
    EXPECT_EQ(error.kind, platform::SerialErrorKind::NotOpen);
    EXPECT_FALSE(tx.hasPending());
    scheduler.advance(10);
    EXPECT_TRUE(port.writes.empty());
}

}  // namespace
}  // namespace qavi::link
