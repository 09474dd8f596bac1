#include <gtest/gtest.h>

#include "sim/controller_model.h"
#include "sim_test_support.h"

namespace qavi::sim {
namespace {

using link::Bytes;

ModelOptions options(double timeScale = 1.0, std::uint64_t seed = 1) {
    ModelOptions o;
    o.firmware = link::kVer2Version;
    o.timeScale = timeScale;
    o.seed = seed;
    return o;
}

Bytes poll(ControllerModel& m, std::int64_t atMs) {
    m.advanceTo(atMs);
    return *m.answer(0x55, Bytes{0x01});
}

int petrolTenths(const Bytes& f, int cylinder) {
    const std::size_t o =
        cylinder < 6 ? static_cast<std::size_t>(6 + 2 * cylinder) : static_cast<std::size_t>(51 + 2 * (cylinder - 6));
    return f[o] | (f[o + 1] << 8);
}
int gasMicros(const Bytes& f) { return (f[18] << 16) | (f[19] << 8) | f[20]; }
int signedAt(const Bytes& f, std::size_t o) { return static_cast<std::int8_t>(f[o]); }

TEST(LiveFrame, AColdEngineIdlesOnPetrol) {
    ControllerModel m(options());
    const Bytes f = poll(m, 0);
    ASSERT_GE(f.size(), static_cast<std::size_t>(link::kLiveFrameMinLength));
    EXPECT_EQ(testing::lengthField(f), static_cast<int>(f.size()));
    EXPECT_EQ(f[3], 0x55);
    EXPECT_EQ(f[4] & 1, 1);  // ignition on
    EXPECT_EQ(f[5] & 1, 0);  // petrol
    EXPECT_NEAR(f[21], 8, 1);
    for (int cyl = 0; cyl < 4; ++cyl) EXPECT_NEAR(petrolTenths(f, cyl), 30, 2) << cyl;
    for (int cyl = 4; cyl < 8; ++cyl) EXPECT_EQ(petrolTenths(f, cyl), 0) << cyl;
    EXPECT_EQ(gasMicros(f), 0);
    const int map = (f[25] << 8) | f[26];
    EXPECT_NEAR(map, 35, 2);
    EXPECT_NEAR((f[23] << 8) | f[24], 120 + map, 3);
    EXPECT_NEAR(f[29] * 23.0 / 375.0 + 0.7, 13.8, 0.15);
    EXPECT_EQ(signedAt(f, 32), 15);
    EXPECT_EQ(f[34], 0xFF);
    EXPECT_EQ(f[35], 0xFF);
    EXPECT_EQ(f[48], 0xFF);
    EXPECT_GE(f[31], 1);
    EXPECT_LE(f[31], 4);
}

TEST(LiveFrame, LambdaSwingsAndSamplesMoveOn) {
    ControllerModel m(options());
    int lambdaLo = 255, lambdaHi = 0;
    int lastIndex = -1;
    for (int i = 0; i < 40; ++i) {
        const Bytes f = poll(m, i * 240);
        lambdaLo = std::min<int>(lambdaLo, f[22]);
        lambdaHi = std::max<int>(lambdaHi, f[22]);
        EXPECT_NE(f[36], lastIndex);
        lastIndex = f[36];
        EXPECT_LE(f[22], 46);  // 0.9 V
        EXPECT_GE(f[55], 5);   // 0.1 V
    }
    EXPECT_LT(lambdaLo, 12);
    EXPECT_GT(lambdaHi, 38);
}

TEST(LiveFrame, TheEngineWarmsUpAndChangesOverToGasThenBackOnCommand) {
    ControllerModel m(options(20.0));
    std::int64_t t = 0;
    Bytes f = poll(m, t);
    while ((f[5] & 1) == 0 && t < 120000) f = poll(m, t += 240);
    ASSERT_EQ(f[5] & 1, 1) << "no change-over within two minutes";
    EXPECT_GE(signedAt(f, 32), 35);
    EXPECT_GT(gasMicros(f), 0);
    // The gas time follows the map at the petrol time of cylinder 1.
    const int t1 = petrolTenths(f, 0);
    const int multiplier = m.settingsMemory()[static_cast<std::size_t>(65 + (t1 - 10 + 1))];
    EXPECT_NEAR(gasMicros(f), t1 * multiplier, 1);  // tenths of a ms x hundredths = microseconds
    EXPECT_NEAR(f[28], multiplier, 2);

    f = *m.answer(0x03, Bytes{0x02, 0x0F});
    EXPECT_EQ(f[3], 0x03);
    EXPECT_EQ(f[5] & 1, 0);
    f = poll(m, t += 60000);
    EXPECT_EQ(f[5] & 1, 0) << "stays on petrol until told otherwise";
    f = *m.answer(0x03, Bytes{0x03, 0x0F});
    EXPECT_EQ(f[5] & 1, 1);
}

TEST(LiveFrame, TheTimeScaleOnlySpeedsUpTheWarmUp) {
    ControllerModel slow(options(1.0));
    ControllerModel fast(options(10.0));
    poll(slow, 0);
    poll(fast, 0);
    const Bytes s = poll(slow, 60000);
    const Bytes f = poll(fast, 60000);
    EXPECT_GT(signedAt(f, 32), signedAt(s, 32) + 20);
    EXPECT_LT(signedAt(f, 32), 81);
    EXPECT_EQ(s[21], f[21]);  // the same engine speed at the same moment
}

TEST(LiveFrame, TheSameSeedGivesTheSameRun) {
    const auto run = [](std::uint64_t seed) {
        ControllerModel m(options(5.0, seed));
        Bytes all;
        for (int i = 0; i < 200; ++i) {
            const Bytes f = poll(m, i * 240);
            all.insert(all.end(), f.begin(), f.end());
        }
        return all;
    };
    EXPECT_EQ(run(7), run(7));
    EXPECT_NE(run(7), run(8));
}

}  // namespace
}  // namespace qavi::sim
