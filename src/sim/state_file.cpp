#include "sim/state_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace qavi::sim {

std::optional<std::string> loadState(const std::string& path, ControllerModel& model) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return std::nullopt;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return "state file " + path + " is not a regular file; starting from defaults";
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot read state file " + path + ": " + std::strerror(errno) + "; starting from defaults";
    // Read at most a little more than a block, so a huge file cannot exhaust memory.
    Bytes block;
    block.reserve(kSettingsAnswerLength + 1);
    char c = 0;
    while (block.size() <= static_cast<std::size_t>(kSettingsAnswerLength) && in.get(c)) {
        block.push_back(static_cast<std::uint8_t>(c));
    }
    in.close();
    if (auto why = model.restoreSettings(block)) {
        // Set the file aside rather than overwrite it with the defaults at the
        // next save: it may be another firmware's settings the user wants back.
        std::string kept;
        const std::string aside = path + ".bad";
        std::filesystem::rename(path, aside, ec);
        if (!ec) kept = " (the file was kept as " + aside + ")";
        return "state file " + path + " " + *why + "; starting from defaults" + kept;
    }
    return std::nullopt;
}

std::optional<std::string> saveState(const std::string& path, const ControllerModel& model) {
    const Bytes block = model.settingsMemory();
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return "cannot write state file " + temp + ": " + std::strerror(errno);
        out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
        out.flush();
        if (!out) return "cannot write state file " + temp + ": " + std::strerror(errno);
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) return "cannot replace state file " + path + ": " + ec.message();
    return std::nullopt;
}

}  // namespace qavi::sim
