#pragma once

// The learned curves of the map view: what the controller has learned about
// petrol and gas injection, one byte per cell, as the live frames bring them
// in a few cells at a time.

#include <array>
#include <cstddef>
#include <cstdint>

namespace qavi::calibration {

struct LearnedSamples {
    static constexpr std::size_t kCells = 256;

    std::array<std::uint8_t, kCells> PetrolSamples{};
    std::array<std::uint8_t, kCells> GasSamples{};
    // The index the last frame's samples were stored from.
    std::uint8_t sampleIndex = 0;

    // A cell past the end is dropped rather than wrapped: wrapping would paint
    // the start of the curve with samples that belong beyond its end.
    static bool store(std::array<std::uint8_t, kCells>& cells, std::size_t cell, std::uint8_t value) {
        if (cell >= kCells) return false;
        cells[cell] = value;
        return true;
    }
};

}  // namespace qavi::calibration
