#include "sim/sim_options.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace qavi::sim {

namespace {

std::optional<long long> parseInteger(const std::string& text, long long lo, long long hi, int base = 10) {
    long long v = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v, base);
    if (ec != std::errc() || ptr != end || text.empty() || v < lo || v > hi) return std::nullopt;
    return v;
}

std::optional<double> parseNumber(const std::string& text, double lo, double hi) {
    try {
        std::size_t used = 0;
        const double v = std::stod(text, &used);
        if (used != text.size() || !std::isfinite(v) || v < lo || v > hi) return std::nullopt;
        return v;
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<std::uint8_t> parseHexByte(std::string text) {
    if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) text = text.substr(2);
    auto v = parseInteger(text, 0, 255, 16);
    if (!v) return std::nullopt;
    return static_cast<std::uint8_t>(*v);
}

}  // namespace

std::optional<link::FirmwareVersion> parseVersion(const std::string& text) {
    std::uint8_t parts[3] = {};
    std::size_t from = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t dot = text.find('.', from);
        const bool last = i == 2;
        if (last != (dot == std::string::npos)) return std::nullopt;
        auto v = parseInteger(text.substr(from, last ? std::string::npos : dot - from), 0, 255);
        if (!v) return std::nullopt;
        parts[i] = static_cast<std::uint8_t>(*v);
        from = dot + 1;
    }
    return link::FirmwareVersion{parts[0], parts[1], parts[2]};
}

std::string simUsage() {
    return "Usage: qavi-sim [options]\n"
           "A simulated gas-injection controller on a pseudo-terminal. The first line printed is the\n"
           "device to connect the tool to; the simulator serves until interrupted (Ctrl+C).\n"
           "\n"
           "  --firmware X.Y.Z       firmware version: 3.7.7, 5.9.11 (default) or any other\n"
           "  --time-scale N         warm-up and change-over timers run N times faster (default 1)\n"
           "  --state FILE           keep the settings in FILE between runs\n"
           "  --seed N               seed of the engine's wander and of the faults (default 1)\n"
           "  --errors A,I,B         present faults as the live frame flags, hex (e.g. F3,FA,FF)\n"
           "Faults:\n"
           "  --silent               never answer\n"
           "  --drop RATE            drop each answer byte with this probability (0..1)\n"
           "  --corrupt RATE         corrupt each answer byte with this probability\n"
           "  --duplicate RATE       send each answer byte twice with this probability\n"
           "  --one-byte-batches     send answers one byte at a time\n"
           "  --delay MS             start every answer MS milliseconds late\n"
           "  --wrong-code RATE      answer with a code that repeats nothing, with this probability\n"
           "  --report-version X.Y.Z identify as this version while running the real firmware\n"
           "  --bad-version-check    send a version check byte that does not match\n"
           "  --vanish-after MS      disappear like an unplugged adapter MS ms after start\n"
           "  --help                 this text\n";
}

ParsedOptions parseSimOptions(std::span<const std::string> args) {
    SimOptions o;
    const auto fail = [](std::string message) { return ParsedOptions{std::nullopt, std::move(message)}; };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        const auto rate = [&](double& into) -> bool {
            auto v = value();
            auto r = v ? parseNumber(*v, 0.0, 1.0) : std::nullopt;
            if (!r) return false;
            into = *r;
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--firmware" || arg == "--report-version") {
            auto v = value();
            auto version = v ? parseVersion(*v) : std::nullopt;
            if (!version) return fail(arg + " needs a version such as 5.9.11");
            (arg == "--firmware" ? o.model.firmware : o.model.reportedVersion.emplace()) = *version;
        } else if (arg == "--time-scale") {
            auto v = value();
            auto n = v ? parseNumber(*v, 0.01, 10000.0) : std::nullopt;
            if (!n) return fail("--time-scale needs a number from 0.01 to 10000");
            o.model.timeScale = *n;
        } else if (arg == "--state") {
            auto v = value();
            if (!v || v->empty()) return fail("--state needs a file name");
            o.stateFile = *v;
        } else if (arg == "--seed") {
            auto v = value();
            auto n = v ? parseInteger(*v, 0, 0x7FFFFFFFFFFFFFFFLL) : std::nullopt;
            if (!n) return fail("--seed needs a whole number");
            o.model.seed = static_cast<std::uint64_t>(*n);
            o.faults.seed = static_cast<std::uint64_t>(*n);
        } else if (arg == "--errors") {
            auto v = value();
            if (!v) return fail("--errors needs three hex bytes such as F3,FA,FF");
            std::vector<std::string> fields;
            std::size_t from = 0;
            for (std::size_t comma; (comma = v->find(',', from)) != std::string::npos; from = comma + 1) {
                fields.push_back(v->substr(from, comma - from));
            }
            fields.push_back(v->substr(from));
            std::optional<std::uint8_t> b[3];
            for (std::size_t k = 0; k < 3 && fields.size() == 3; ++k) b[k] = parseHexByte(fields[k]);
            if (!b[0] || !b[1] || !b[2]) return fail("--errors needs three hex bytes such as F3,FA,FF");
            o.errors = ActiveErrors{*b[0], *b[1], *b[2]};
        } else if (arg == "--silent") {
            o.faults.silent = true;
        } else if (arg == "--drop") {
            if (!rate(o.faults.dropRate)) return fail("--drop needs a rate from 0 to 1");
        } else if (arg == "--corrupt") {
            if (!rate(o.faults.corruptRate)) return fail("--corrupt needs a rate from 0 to 1");
        } else if (arg == "--duplicate") {
            if (!rate(o.faults.duplicateRate)) return fail("--duplicate needs a rate from 0 to 1");
        } else if (arg == "--wrong-code") {
            if (!rate(o.faults.wrongCodeRate)) return fail("--wrong-code needs a rate from 0 to 1");
        } else if (arg == "--one-byte-batches") {
            o.faults.oneByteBatches = true;
        } else if (arg == "--delay") {
            auto v = value();
            auto n = v ? parseInteger(*v, 0, 600000) : std::nullopt;
            if (!n) return fail("--delay needs milliseconds from 0 to 600000");
            o.faults.answerDelayMs = static_cast<int>(*n);
        } else if (arg == "--bad-version-check") {
            o.model.wrongVersionCheck = true;
        } else if (arg == "--vanish-after") {
            auto v = value();
            auto n = v ? parseInteger(*v, 0, 86400000) : std::nullopt;
            if (!n) return fail("--vanish-after needs milliseconds");
            o.faults.vanishAfterMs = *n;
        } else {
            return fail("unknown option " + arg + " (see --help)");
        }
    }
    return ParsedOptions{o, {}};
}

}  // namespace qavi::sim
