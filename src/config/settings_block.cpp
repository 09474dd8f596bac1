#include "config/settings_block.h"

namespace qavi::config {

std::optional<int> errorCodeLangRow(std::uint8_t code) {
    // Codes 1..8 name these rows; 8 has a text of its own, identical to 2's in
    // some languages only.
    static constexpr int kRowByCode[] = {-1, 9, 0, 1, 2, 3, 4, 5, 8};
    if (code < 1 || code > 8) return std::nullopt;
    return kRowByCode[code];
}

std::optional<std::uint8_t> SettingsBlock::byteAt(std::size_t offset) const {
    if (offset >= bytes_.size()) return std::nullopt;
    return bytes_[offset];
}

bool SettingsBlock::patch(std::size_t offset, std::uint8_t value) {
    if (offset >= bytes_.size()) return false;
    bytes_[offset] = value;
    return true;
}

std::optional<Bytes> SettingsBlock::slice(std::size_t offset, std::size_t count) const {
    if (offset > bytes_.size() || count > bytes_.size() - offset) return std::nullopt;
    const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(offset);
    return Bytes(first, first + static_cast<std::ptrdiff_t>(count));
}

std::optional<int> SettingsBlock::scaled(std::size_t offset, int factor) const {
    const auto b = byteAt(offset);
    if (!b) return std::nullopt;
    return *b * factor;
}

std::optional<double> SettingsBlock::hundredths(std::size_t offset) const {
    const auto b = byteAt(offset);
    if (!b) return std::nullopt;
    return *b / 100.0;
}

std::optional<int> SettingsBlock::bit(std::size_t offset, int n) const {
    const auto b = byteAt(offset);
    if (!b) return std::nullopt;
    return (*b >> n) & 1;
}

std::optional<int> SettingsBlock::frameLength() const {
    const auto high = byteAt(offsets::kFrameLength);
    const auto low = byteAt(offsets::kFrameLength + 1);
    if (!high || !low) return std::nullopt;
    return *high * 256 + *low;
}

std::optional<std::uint8_t> SettingsBlock::answeredCommand() const { return byteAt(offsets::kAnsweredCommand); }

std::optional<std::array<std::uint8_t, 3>> SettingsBlock::firmwareVersion() const {
    const auto v = slice(offsets::kFirmwareVersion, 3);
    if (!v) return std::nullopt;
    return std::array<std::uint8_t, 3>{(*v)[0], (*v)[1], (*v)[2]};
}

std::optional<std::uint8_t> SettingsBlock::checkByte() const {
    if (bytes_.empty()) return std::nullopt;
    return bytes_.back();
}

std::optional<double> SettingsBlock::levelThreshold(int n) const {
    if (n < 1 || n > kLevelThresholdCount) return std::nullopt;
    const auto b = byteAt(offsets::kLevelThreshold1 + static_cast<std::size_t>(n - 1));
    if (!b) return std::nullopt;
    return *b / kLevelCountsPerVolt;
}

std::optional<int> SettingsBlock::gasSwitchHalfSeconds(FirmwareVariant variant) const {
    const auto low = byteAt(offsets::kGasSwitchTimeLow);
    if (!low) return std::nullopt;
    switch (variant) {
        case FirmwareVariant::Ver1:
            return *low;
        case FirmwareVariant::Ver2: {
            const auto high = byteAt(offsets::kGasSwitchTimeHigh);
            if (!high) return std::nullopt;
            return *high * 256 + *low;
        }
        case FirmwareVariant::None:
            break;
    }
    return std::nullopt;
}

std::optional<double> SettingsBlock::gasSwitchSeconds(FirmwareVariant variant) const {
    const auto halves = gasSwitchHalfSeconds(variant);
    if (!halves) return std::nullopt;
    return *halves / 2.0;
}

std::optional<CorrectionPoints> SettingsBlock::correctionMap() const {
    const auto points = slice(offsets::kCorrectionMap, kCorrectionMapPoints);
    if (!points) return std::nullopt;
    CorrectionPoints out{};
    for (std::size_t k = 0; k < kCorrectionMapPoints; ++k) out[k] = (*points)[k];
    return out;
}

std::optional<int> SettingsBlock::injectorCorrection(int n) const {
    if (n < 1 || n > kInjectorCount) return std::nullopt;
    const auto b = byteAt(offsets::kInjectorCorrection1 + static_cast<std::size_t>(n - 1));
    if (!b) return std::nullopt;
    return *b - kCorrectionBias;
}

std::optional<int> SettingsBlock::petrolMinTemp() const {
    const auto b = byteAt(offsets::kPetrolMinTemp);
    if (!b) return std::nullopt;
    return *b < 128 ? *b : *b - 256;
}

std::size_t SettingsBlock::errorRegisterOffset(FirmwareVariant variant) {
    return variant == FirmwareVariant::Ver2 ? offsets::kErrorRegisterVer2 : offsets::kErrorRegisterVer1;
}

std::optional<std::vector<StoredError>> SettingsBlock::storedErrors(FirmwareVariant variant) const {
    const std::size_t start = errorRegisterOffset(variant);
    const std::size_t end = start + kErrorRegisterLength;
    if (end > bytes_.size()) return std::nullopt;

    std::vector<StoredError> entries;
    std::size_t at = start;
    while (at < end) {
        const std::uint8_t code = bytes_[at];
        if (code == 0) {
            // The mask follows the code, and for an entry at the register's last
            // byte that is the byte after the register, which a short block may lack.
            StoredError entry{StoredError::Kind::Injector, 6, byteAt(at + 1)};
            entries.push_back(entry);
            at += 2;
            continue;
        }
        if (const auto row = errorCodeLangRow(code)) {
            entries.push_back(StoredError{StoredError::Kind::Message, *row, std::nullopt});
        }
        ++at;
    }
    return entries;
}

std::optional<Bytes> SettingsBlock::serviceImage() const {
    auto image = slice(offsets::kServiceRecord, kServiceRecordHeadLength);
    const auto flags = byteAt(offsets::kServiceRecordFlags);
    if (!image || !flags) return std::nullopt;
    image->push_back(*flags);
    return image;
}

std::optional<Bytes> SettingsBlock::writeBackSlice(FirmwareVariant variant) const {
    switch (variant) {
        case FirmwareVariant::Ver1:
            return slice(offsets::kWriteBack, kWriteBackLengthVer1);
        case FirmwareVariant::Ver2:
            return slice(offsets::kWriteBack, kWriteBackLengthVer2);
        case FirmwareVariant::None:
            break;
    }
    return std::nullopt;
}

std::optional<Bytes> SettingsBlock::fileBody() const {
    // Offsets 4 .. length-2: at least the header and a check byte must be held.
    if (bytes_.size() < offsets::kBody + 1) return std::nullopt;
    return slice(offsets::kBody, bytes_.size() - offsets::kBody - 1);
}

}  // namespace qavi::config
