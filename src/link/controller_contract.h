#pragma once

// What the tool sends the controller and what it expects back, in one place.
// A request carries no length, so the controller finds its end from the
// command code: the payload length of every code is listed here. The
// simulator reads this table; it keeps no copy of its own.

#include <cstdint>
#include <optional>
#include <span>

namespace qavi::link {

enum class FirmwareVariant { None, Ver1, Ver2 };

// What an answer to a request carries in its body (from offset 4).
enum class AnswerKind {
    SettingsBlock,  // identification, 'f' and '&'
    LiveFrame,      // the poll and every acknowledged parameter command
    ServiceRecord,  // 'M' and 'N'
};

struct CommandSpec {
    std::uint8_t code;
    // Payload bytes after the code; for the two codes whose length depends on
    // the firmware, the ver_1 length here and the ver_2 length below.
    int payloadLength;
    int payloadLengthVer2;
    AnswerKind answer;
    const char* meaning;
};

// Every command code the tool sends, in code order.
std::span<const CommandSpec> controllerCommands();

// The entry for a code, or nullopt for a code the tool never sends.
std::optional<CommandSpec> commandSpec(std::uint8_t code);

// Payload length of a request with this code under the given firmware, or
// nullopt for an unknown code.
std::optional<int> payloadLength(std::uint8_t code, FirmwareVariant variant);

inline constexpr std::uint8_t kIdentifyCode = 0x66;  // 'f' with payload 0x01
inline constexpr std::uint8_t kPollCode = 0x55;
inline constexpr std::uint8_t kReadSettingsCode = 0x66;
inline constexpr std::uint8_t kFactoryResetCode = 0x26;
inline constexpr std::uint8_t kServiceWriteCodeM = 0x4D;
inline constexpr std::uint8_t kServiceReadCode = 0x4E;

// The firmware versions the tool accepts (offsets 4-6 of the identification answer).
struct FirmwareVersion {
    std::uint8_t major;
    std::uint8_t minor;
    std::uint8_t patch;
};
inline constexpr FirmwareVersion kVer1Version{3, 7, 7};
inline constexpr FirmwareVersion kVer2Version{5, 9, 11};

// A live frame holds at least this many bytes (the decoder reads up to offset 55).
inline constexpr int kLiveFrameMinLength = 56;
// A settings block the tool can render completely (offset 756 plus the check byte).
inline constexpr int kSettingsBlockMinLength = 758;
// Every answer must be complete within this time of its request.
inline constexpr int kAnswerTimeoutMs = 3000;

}  // namespace qavi::link
