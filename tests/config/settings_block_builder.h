#pragma once

// Builds settings answers as a controller sends them: a 758-byte frame with
// plausible values in every field the tool reads. Offsets are written out here
// on purpose, independent of the constants the code under test uses.

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "link/controller_contract.h"
#include "link/frame_codec.h"

namespace qavi::test {

class SettingsBlockBuilder {
public:
    explicit SettingsBlockBuilder(link::FirmwareVariant variant = link::FirmwareVariant::Ver2,
                                  std::size_t length = 758);

    SettingsBlockBuilder& set(std::size_t offset, std::uint8_t value);
    SettingsBlockBuilder& fill(std::size_t offset, std::initializer_list<std::uint8_t> values);
    SettingsBlockBuilder& fill(std::size_t offset, std::size_t count, std::uint8_t value);

    // The whole frame, its length field matching its size.
    link::Bytes build() const;
    // The first `length` bytes of the frame, as a short answer would arrive.
    link::Bytes truncated(std::size_t length) const;

    // Where the variant keeps its stored-error register.
    std::size_t errorRegister() const { return variant_ == link::FirmwareVariant::Ver2 ? 575 : 561; }

private:
    link::FirmwareVariant variant_;
    link::Bytes bytes_;
};

}  // namespace qavi::test
