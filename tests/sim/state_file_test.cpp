#include "sim/state_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace qavi::sim {
namespace {

class StateFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("qavi_sim_state_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "state.bin").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void writeFile(const std::string& bytes) {
        std::ofstream out(path_, std::ios::binary);
        out << bytes;
    }

    std::filesystem::path dir_;
    std::string path_;
};

TEST_F(StateFile, SettingsSurviveARestart) {
    ControllerModel first;
    first.answer(0x0F, link::Bytes{0x2A});
    EXPECT_FALSE(saveState(path_, first));
    EXPECT_FALSE(std::filesystem::exists(path_ + ".tmp"));

    ControllerModel second;
    EXPECT_FALSE(loadState(path_, second));
    EXPECT_EQ(second.settingsMemory()[35], 0x2A);
}

TEST_F(StateFile, AMissingFileIsAFirstRun) {
    ControllerModel m;
    EXPECT_FALSE(loadState(path_, m));
}

TEST_F(StateFile, AnUnusableFileIsReportedAndDefaultsAreKept) {
    ControllerModel defaults;
    const link::Bytes good = defaults.settingsMemory();
    std::string corrupt(good.begin(), good.end());
    corrupt[200] = static_cast<char>(corrupt[200] ^ 0x10);
    const std::string cases[] = {"", "short", corrupt, std::string(good.begin(), good.end()) + "tail",
                                 std::string(100000, '\xAA')};
    for (const auto& content : cases) {
        writeFile(content);
        ControllerModel m;
        const auto message = loadState(path_, m);
        ASSERT_TRUE(message) << content.size();
        EXPECT_NE(message->find("starting from defaults"), std::string::npos);
        EXPECT_EQ(m.settingsMemory(), good);
        // The unusable file is set aside untouched, not overwritten later.
        EXPECT_FALSE(std::filesystem::exists(path_));
        std::ifstream aside(path_ + ".bad", std::ios::binary);
        const std::string kept((std::istreambuf_iterator<char>(aside)), std::istreambuf_iterator<char>());
        EXPECT_EQ(kept, content);
    }
    // A directory where the file should be.
    std::filesystem::remove(path_);
    std::filesystem::create_directory(path_);
    ControllerModel m;
    EXPECT_TRUE(loadState(path_, m));
    EXPECT_TRUE(saveState(path_, m));
}

TEST_F(StateFile, AFileOfOtherFirmwareIsNotTaken) {
    ModelOptions ver1;
    ver1.firmware = link::kVer1Version;
    EXPECT_FALSE(saveState(path_, ControllerModel(ver1)));
    ControllerModel ver2;
    const auto message = loadState(path_, ver2);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("3.7.7"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(path_ + ".bad"));
}

}  // namespace
}  // namespace qavi::sim
