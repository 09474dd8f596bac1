#pragma once

#include <cstdint>

namespace qavi::sim {

// splitmix64: small, fast and the same on every platform and standard library,
// which std::uniform_*_distribution is not. Everything the simulator draws at
// random goes through it so that a seed reproduces a run exactly.
inline std::uint64_t mixBits(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

class SimRandom {
public:
    explicit SimRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ull;
        return mixBits(state_);
    }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    bool chance(double rate) { return rate > 0.0 && unit() < rate; }
    // Uniform in [lo, hi].
    int between(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1)); }

private:
    std::uint64_t state_;
};

// Stateless noise: the same (seed, channel, step) always gives the same value,
// so the engine's wander depends on simulated time only, not on how often it is polled.
inline int noiseAt(std::uint64_t seed, std::uint64_t channel, std::int64_t step, int lo, int hi) {
    const std::uint64_t h = mixBits(seed ^ mixBits(channel * 0x100000001B3ull ^ static_cast<std::uint64_t>(step)));
    return lo + static_cast<int>(h % static_cast<std::uint64_t>(hi - lo + 1));
}

}  // namespace qavi::sim
