#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "calibration/learned_samples.h"
#include "link/controller_errors.h"
#include "link/live_frame.h"

namespace {

// Answers nothing: the decoder never queues a command.
class IdleLink : public qavi::link::LinkControl {
public:
    void setRetryBudget(int) override {}
    int retryBudget() const override { return 0; }
    void QueueCommand(const qavi::link::Bytes&, const qavi::link::Bytes&, const qavi::link::Bytes&) override {}
    void enterBusyMode() override {}
    void leaveBusyMode() override {}
    qavi::link::FirmwareVariant firmwareVariant() const override { return qavi::link::FirmwareVariant::Ver2; }
    bool portOpen() const override { return true; }
    const std::string& linkState() const override { return state_; }

private:
    std::string state_ = "count";
};

// Two running-engine frames that differ in every reading, so each decode
// really moves the gauges (a gauge ignores a set to the value it holds), with
// one error reported and corrections on two cylinders.
std::vector<std::uint8_t> runningFrame(std::uint8_t step) {
    std::vector<std::uint8_t> f(56, 0);
    f[0] = 0xAA;
    f[2] = 56;
    f[3] = 0x55;
    f[4] = 1;
    f[5] = 1;
    for (std::size_t at : {6u, 8u, 10u, 12u, 14u, 16u, 51u, 53u}) f[at] = static_cast<std::uint8_t>(40 + step);
    f[19] = static_cast<std::uint8_t>(20 + step);
    f[20] = 0x10;
    f[21] = static_cast<std::uint8_t>(25 + step);
    f[22] = static_cast<std::uint8_t>(40 + step);
    f[24] = static_cast<std::uint8_t>(120 + step);
    f[26] = static_cast<std::uint8_t>(60 + step);
    f[29] = static_cast<std::uint8_t>(200 + step);
    f[30] = static_cast<std::uint8_t>(100 + step);
    f[31] = static_cast<std::uint8_t>(2 + step);
    f[32] = static_cast<std::uint8_t>(80 + step);
    f[33] = static_cast<std::uint8_t>(30 + step);
    f[34] = 0xF7;
    f[35] = 0xFF;
    f[36] = static_cast<std::uint8_t>(100 + step);
    f[47] = 3;
    f[48] = 0xFF;
    f[55] = static_cast<std::uint8_t>(40 + step);
    return f;
}

void BM_DecodeOneLiveFrame(benchmark::State& state) {
    qavi::ui::Form form;
    qavi::ui::LangTable lang;
    IdleLink link;
    qavi::calibration::LearnedSamples samples;
    qavi::link::ControllerErrors errors{form, lang, link};
    qavi::link::LiveDashboard dashboard{form, samples, errors, [] { return qavi::link::FirmwareVariant::Ver2; }};
    form.Kor_1.setValue(4);
    form.kor_3.setValue(-6);
    const std::vector<std::uint8_t> frames[2] = {runningFrame(0), runningFrame(1)};
    std::size_t i = 0;
    for (auto _ : state) {
        dashboard.DecodeLiveFrame(frames[i++ & 1]);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DecodeOneLiveFrame);

}  // namespace
