#include "link/controller_contract.h"

#include <gtest/gtest.h>

#include "link/frame_codec.h"

namespace qavi::link {
namespace {

TEST(ControllerContract, EveryCodeOnceInCodeOrder) {
    const auto commands = controllerCommands();
    ASSERT_FALSE(commands.empty());
    for (std::size_t i = 1; i < commands.size(); ++i) EXPECT_LT(commands[i - 1].code, commands[i].code);
    for (const auto& c : commands) {
        EXPECT_GE(c.payloadLength, 0) << int(c.code);
        EXPECT_GE(c.payloadLengthVer2, c.payloadLength) << int(c.code);
        ASSERT_TRUE(commandSpec(c.code));
        EXPECT_EQ(commandSpec(c.code)->code, c.code);
    }
}

TEST(ControllerContract, PayloadLengthsDependOnTheFirmwareWhereTheyMust) {
    struct Case {
        std::uint8_t code;
        int none, ver1, ver2;
    };
    const Case cases[] = {
        {0x1A, 540, 540, 554}, {0x22, 1, 1, 2}, {0x0B, 246, 246, 246}, {0x4D, 65, 65, 65}, {0x26, 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(payloadLength(c.code, FirmwareVariant::None), c.none) << int(c.code);
        EXPECT_EQ(payloadLength(c.code, FirmwareVariant::Ver1), c.ver1) << int(c.code);
        EXPECT_EQ(payloadLength(c.code, FirmwareVariant::Ver2), c.ver2) << int(c.code);
    }
}

TEST(ControllerContract, CodesTheToolNeverSendsAreUnknown) {
    for (std::uint8_t code : {std::uint8_t{0x00}, std::uint8_t{0x01}, std::uint8_t{0x5A}, std::uint8_t{0xFF}}) {
        EXPECT_FALSE(commandSpec(code)) << int(code);
        EXPECT_FALSE(payloadLength(code, FirmwareVariant::Ver2)) << int(code);
    }
}

TEST(ControllerContract, AnswersAreRoutedByTheirKind) {
    EXPECT_EQ(commandSpec(kIdentifyCode)->answer, AnswerKind::SettingsBlock);
    EXPECT_EQ(commandSpec(kFactoryResetCode)->answer, AnswerKind::SettingsBlock);
    EXPECT_EQ(commandSpec(kPollCode)->answer, AnswerKind::LiveFrame);
    EXPECT_EQ(commandSpec(kServiceWriteCodeM)->answer, AnswerKind::ServiceRecord);
    EXPECT_EQ(commandSpec(kServiceReadCode)->answer, AnswerKind::ServiceRecord);
    EXPECT_EQ(commandSpec(0x10)->answer, AnswerKind::LiveFrame);
}

TEST(ControllerContract, BuiltInRequestsMatchTheirPayloadLengths) {
    // A controller finds the end of a request from the table: start, code, payload, sum.
    for (const Bytes* request : {&IdentifyRequest(), &PollRequest()}) {
        const auto length = payloadLength((*request)[1], FirmwareVariant::None);
        ASSERT_TRUE(length);
        EXPECT_EQ(request->size(), static_cast<std::size_t>(*length) + 3);
    }
}

}  // namespace
}  // namespace qavi::link
