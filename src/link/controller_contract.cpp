#include "link/controller_contract.h"

#include <algorithm>

namespace qavi::link {

namespace {

constexpr CommandSpec kCommands[] = {
    {0x02, 5, 5, AnswerKind::LiveFrame, "adaptation report"},
    {0x03, 2, 2, AnswerKind::LiveFrame, "fuel (0x02 petrol / 0x03 gas) and injector mask"},
    {0x05, 1, 1, AnswerKind::LiveFrame, "stop the adaptation"},
    {0x06, 246, 246, AnswerKind::LiveFrame, "end of adaptation recording"},
    {0x09, 1, 1, AnswerKind::LiveFrame, "engine speed for changing over to gas (rpm/100)"},
    {0x0A, 1, 1, AnswerKind::LiveFrame, "RPM pulse source"},
    {0x0B, 246, 246, AnswerKind::LiveFrame, "correction map upload"},
    {0x0D, 5, 5, AnswerKind::LiveFrame, "level thresholds and level sensor type"},
    {0x0E, 1, 1, AnswerKind::LiveFrame, "gas injector type"},
    {0x0F, 1, 1, AnswerKind::LiveFrame, "reducer temperature for changing over to gas"},
    {0x10, 1, 1, AnswerKind::LiveFrame, "clear the controller's errors"},
    {0x11, 1, 1, AnswerKind::LiveFrame, "engine speed above which to return to petrol"},
    {0x12, 1, 1, AnswerKind::LiveFrame, "pressure/MAP sensor type"},
    {0x13, 1, 1, AnswerKind::LiveFrame, "reducer temperature sensor"},
    {0x17, 1, 1, AnswerKind::LiveFrame, "RPM signal level"},
    {0x18, 1, 1, AnswerKind::LiveFrame, "gas temperature sensor"},
    {0x19, 3, 3, AnswerKind::LiveFrame, "adaptation measurement"},
    {0x1A, 540, 554, AnswerKind::LiveFrame, "write the settings from a file"},
    {0x1B, 1, 1, AnswerKind::LiveFrame, "number of cylinders"},
    {0x1E, 1, 1, AnswerKind::LiveFrame, "minimum gas pressure"},
    {0x1F, 1, 1, AnswerKind::LiveFrame, "delay before changing over to petrol"},
    {0x20, 20, 20, AnswerKind::LiveFrame, "map upload companion record"},
    {0x21, 1, 1, AnswerKind::LiveFrame, "engine type"},
    {0x22, 1, 2, AnswerKind::LiveFrame, "time before changing over to gas"},
    {0x23, 1, 1, AnswerKind::LiveFrame, "pause between cylinders"},
    {0x24, 1, 1, AnswerKind::LiveFrame, "second injector-type setting"},
    {0x25, 0, 0, AnswerKind::LiveFrame, "start of the adaptation"},
    {0x26, 0, 0, AnswerKind::SettingsBlock, "restore factory settings"},
    {0x27, 1, 1, AnswerKind::LiveFrame, "sent right after 0x12"},
    {0x29, 1, 1, AnswerKind::LiveFrame, "block / unblock the petrol map"},
    {0x2A, 1, 1, AnswerKind::LiveFrame, "clear a learned curve"},
    {0x2B, 1, 1, AnswerKind::LiveFrame, "working gas pressure"},
    {0x2D, 1, 1, AnswerKind::LiveFrame, "positive-switched petrol injectors"},
    {0x2E, 1, 1, AnswerKind::LiveFrame, "change over to petrol at the first pressure drop"},
    {0x30, 1, 1, AnswerKind::LiveFrame, "third injector-type setting"},
    {0x31, 1, 1, AnswerKind::LiveFrame, "level sensor set-up mode"},
    {0x36, 1, 1, AnswerKind::LiveFrame, "engine speed below which to return to petrol"},
    {0x37, 1, 1, AnswerKind::LiveFrame, "temperature below which to return to petrol"},
    {0x43, 1, 1, AnswerKind::LiveFrame, "fuel kind (LPG / CNG)"},
    {0x44, 8, 8, AnswerKind::LiveFrame, "per-injector corrections"},
    {0x4D, 65, 65, AnswerKind::ServiceRecord, "write the service record"},
    {0x4E, 1, 1, AnswerKind::ServiceRecord, "read the service record"},
    {0x55, 1, 1, AnswerKind::LiveFrame, "poll"},
    {0x66, 1, 1, AnswerKind::SettingsBlock, "read the settings (0x00) / identify (0x01)"},
};

}  // namespace

std::span<const CommandSpec> controllerCommands() { return kCommands; }

std::optional<CommandSpec> commandSpec(std::uint8_t code) {
    const auto* it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                  [code](const CommandSpec& c) { return c.code == code; });
    if (it == std::end(kCommands)) return std::nullopt;
    return *it;
}

std::optional<int> payloadLength(std::uint8_t code, FirmwareVariant variant) {
    auto spec = commandSpec(code);
    if (!spec) return std::nullopt;
    return variant == FirmwareVariant::Ver2 ? spec->payloadLengthVer2 : spec->payloadLength;
}

}  // namespace qavi::link
