#include <benchmark/benchmark.h>

#include "link/frame_codec.h"

namespace {

void BM_WireFormOfAMapUpload(benchmark::State& state) {
    qavi::link::Bytes command(247, 0x64);
    command[0] = 0x0B;
    for (auto _ : state) {
        auto frame = qavi::link::BuildFrame(command, nullptr);
        benchmark::DoNotOptimize(qavi::link::wireForm(frame));
    }
}
BENCHMARK(BM_WireFormOfAMapUpload);

void BM_UnscrambleALiveFrame(benchmark::State& state) {
    std::uint8_t frame[64];
    for (int i = 0; i < 64; ++i) frame[i] = static_cast<std::uint8_t>(i * 7);
    for (auto _ : state) {
        unsigned sum = 0;
        for (auto b : frame) sum += qavi::link::UnscrambleByte(b);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_UnscrambleALiveFrame);

}  // namespace
