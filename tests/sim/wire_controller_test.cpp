#include "sim/wire_controller.h"

#include <gtest/gtest.h>

#include "sim_test_support.h"

namespace qavi::sim {
namespace {

using link::Bytes;
using testing::requestWire;
using testing::unscrambled;

Bytes allBytes(const std::deque<Transmission>& out) {
    Bytes all;
    for (const auto& t : out) all.insert(all.end(), t.bytes.begin(), t.bytes.end());
    return all;
}

struct Rig {
    explicit Rig(FaultOptions faults = {}, ModelOptions model = {}) : model_(model), wire(model_, faults) {}
    ControllerModel model_;
    WireController wire;

    std::deque<Transmission> exchange(const Bytes& command, std::int64_t atMs = 0) {
        wire.receive(requestWire(command), atMs);
        return wire.takeOutput();
    }
};

TEST(WireController, AnswersUnscrambleToTheirOwnLength) {
    Rig rig;
    const Bytes commands[] = {{0x66, 0x01}, {0x55, 0x01}, {0x0F, 0x28}, {0x4E, 0x00}, {0x26}, {0x66, 0x00}};
    for (const auto& c : commands) {
        const auto out = rig.exchange(c);
        ASSERT_EQ(out.size(), 1u) << int(c[0]);
        const Bytes answer = unscrambled(out[0].bytes);
        EXPECT_EQ(answer[0], 0xAA);
        EXPECT_EQ(testing::lengthField(answer), static_cast<int>(answer.size())) << int(c[0]);
        EXPECT_EQ(answer[3], c[0]);
    }
}

TEST(WireController, EveryCommandTheToolSendsIsAnsweredWithItsOwnKindOfAnswer) {
    for (auto version : {link::kVer1Version, link::kVer2Version}) {
        ModelOptions model;
        model.firmware = version;
        Rig rig({}, model);
        for (const auto& spec : link::controllerCommands()) {
            const int length = *link::payloadLength(spec.code, rig.model_.variant());
            Bytes command(static_cast<std::size_t>(length) + 1, 0x00);
            command[0] = spec.code;
            if (spec.code == 0x66) command[1] = 0x01;
            rig.wire.receive(testing::plainRequestWire(command), 0);
            const auto out = rig.wire.takeOutput();
            ASSERT_EQ(out.size(), 1u) << "code " << int(spec.code);
            const Bytes answer = unscrambled(out[0].bytes);
            EXPECT_EQ(testing::lengthField(answer), static_cast<int>(answer.size())) << int(spec.code);
            EXPECT_EQ(answer[3], spec.code) << int(spec.code);
            switch (spec.answer) {
                case link::AnswerKind::SettingsBlock:
                    EXPECT_GE(answer.size(), static_cast<std::size_t>(link::kSettingsBlockMinLength));
                    break;
                case link::AnswerKind::ServiceRecord:
                    EXPECT_EQ(answer.size(), 4u + 65u + 1u);
                    break;
                case link::AnswerKind::LiveFrame:
                    EXPECT_GE(answer.size(), static_cast<std::size_t>(link::kLiveFrameMinLength));
                    break;
            }
        }
    }
}

TEST(WireController, ARequestWithABadSumGetsNoAnswer) {
    Rig rig;
    Bytes wire = requestWire({0x0F, 0x28});
    wire.back() ^= 0x40;
    rig.wire.receive(wire, 0);
    EXPECT_FALSE(rig.wire.hasOutput());
    EXPECT_EQ(rig.wire.rejected(), 1);
}

TEST(WireController, AnUnknownCodeIsAcknowledgedAfterThePause) {
    Rig rig;
    rig.wire.receive(requestWire({0x7E, 0x01}), 10);
    EXPECT_FALSE(rig.wire.hasOutput());
    rig.wire.idle(*rig.wire.idleDeadline());
    const Bytes answer = unscrambled(allBytes(rig.wire.takeOutput()));
    EXPECT_EQ(answer[3], 0x7E);
}

TEST(WireController, AnswerFaults) {
    {
        FaultOptions f;
        f.silent = true;
        Rig rig(f);
        EXPECT_TRUE(rig.exchange({0x55, 0x01}).empty());
    }
    {
        FaultOptions f;
        f.wrongCodeRate = 1.0;
        Rig rig(f);
        const Bytes answer = unscrambled(allBytes(rig.exchange({0x0F, 0x28})));
        EXPECT_NE(answer[3], 0x0F);
        EXPECT_EQ(testing::lengthField(answer), static_cast<int>(answer.size()));
    }
    {
        FaultOptions f;
        f.oneByteBatches = true;
        f.answerDelayMs = 700;
        Rig rig(f);
        const auto out = rig.exchange({0x55, 0x01}, 100);
        ASSERT_EQ(out.size(), 57u);
        for (const auto& t : out) {
            EXPECT_EQ(t.bytes.size(), 1u);
            EXPECT_EQ(t.notBeforeMs, 800);
        }
    }
}

TEST(WireController, ByteFaultsAreReproducibleFromTheSeed) {
    const auto run = [](std::uint64_t seed) {
        FaultOptions f;
        f.dropRate = 0.05;
        f.corruptRate = 0.05;
        f.duplicateRate = 0.05;
        f.seed = seed;
        Rig rig(f);
        Bytes all;
        for (int i = 0; i < 20; ++i) {
            const Bytes b = allBytes(rig.exchange({0x55, 0x01}, i * 240));
            all.insert(all.end(), b.begin(), b.end());
        }
        return all;
    };
    const Bytes a = run(3);
    EXPECT_EQ(a, run(3));
    EXPECT_NE(a, run(4));
    // 20 clean frames would be 1140 bytes; the faults leave their mark.
    Rig clean;
    Bytes cleanAll;
    for (int i = 0; i < 20; ++i) {
        const Bytes b = allBytes(clean.exchange({0x55, 0x01}, i * 240));
        cleanAll.insert(cleanAll.end(), b.begin(), b.end());
    }
    EXPECT_NE(a, cleanAll);
}

}  // namespace
}  // namespace qavi::sim
