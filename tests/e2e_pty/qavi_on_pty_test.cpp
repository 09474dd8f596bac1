// The finished program on a pseudo-terminal: the test holds the master end and
// plays the controller, qavi opens the slave end from its command line the way
// it would open a USB adapter. Real time, a few seconds, bounded by deadlines.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "link/controller_contract.h"
#include "link/frame_codec.h"
#include "sim/settings_image.h"
#include "sim/wire_controller.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using qavi::link::Bytes;

// Start-up of the Qt program off-screen plus the first write takes about 0.3 s
// even with other tests running; a second means the start has got slow.
constexpr auto kIdentifyDeadline = 1000ms;
// After the identification the tick runs at the busy interval once (finishing
// the connection), then the first poll follows one ordinary tick later. (The
// link's own constants live beside the serial port's enums, whose names
// <termios.h> takes as macros, so they are restated here.)
constexpr auto kTick = 240ms;
constexpr auto kBusyTick = 1264ms;
constexpr auto kFirstPollDue = kBusyTick + kTick;
constexpr auto kTimerSlack = 100ms;
constexpr auto kExitDeadline = 3000ms;

std::string hex(const Bytes& bytes) {
    std::ostringstream out;
    out << std::hex;
    for (std::uint8_t b : bytes) out << (b < 16 ? "0" : "") << int{b} << ' ';
    return out.str();
}

class QaviOnPty : public ::testing::Test {
protected:
    void SetUp() override {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(master_, 0) << "posix_openpt: " << strerror(errno);
        ASSERT_EQ(grantpt(master_), 0) << strerror(errno);
        ASSERT_EQ(unlockpt(master_), 0) << strerror(errno);
        const char* name = ptsname(master_);
        ASSERT_NE(name, nullptr) << strerror(errno);
        slavePath_ = name;

        termios raw{};
        ASSERT_EQ(tcgetattr(master_, &raw), 0) << strerror(errno);
        cfmakeraw(&raw);
        ASSERT_EQ(tcsetattr(master_, TCSANOW, &raw), 0) << strerror(errno);
        // Holding the slave open keeps the master readable without hang-ups
        // before qavi opens the device and after it has gone.
        slaveHold_ = open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(slaveHold_, 0) << slavePath_ << ": " << strerror(errno);

        char dirTemplate[] = "/tmp/qavi-pty-test-XXXXXX";
        ASSERT_NE(mkdtemp(dirTemplate), nullptr) << strerror(errno);
        home_ = dirTemplate;
        std::filesystem::create_directory(home_ / "runtime");
        std::filesystem::permissions(home_ / "runtime", std::filesystem::perms::owner_all);
    }

    void TearDown() override {
        stopQavi();
        if (slaveHold_ >= 0) close(slaveHold_);
        if (master_ >= 0) close(master_);
        if (!home_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(home_, ignored);
        }
    }

    void startQavi() {
        started_ = Clock::now();
        const std::string log = (home_ / "qavi.log").string();
        pid_ = fork();
        ASSERT_GE(pid_, 0) << strerror(errno);
        if (pid_ == 0) {
            // The key store goes to the temporary folder, never to the user's.
            setenv("HOME", home_.c_str(), 1);
            setenv("XDG_CONFIG_HOME", (home_ / "config").c_str(), 1);
            setenv("XDG_RUNTIME_DIR", (home_ / "runtime").c_str(), 1);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (out >= 0) {
                dup2(out, STDOUT_FILENO);
                dup2(out, STDERR_FILENO);
            }
            execl(QAVI_EXECUTABLE, QAVI_EXECUTABLE, "--port", slavePath_.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    // Ends qavi with SIGTERM, with SIGKILL when it does not go in time; always reaps it.
    void stopQavi() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        int status = 0;
        const auto deadline = Clock::now() + kExitDeadline;
        pid_t reaped = 0;
        while ((reaped = waitpid(pid_, &status, WNOHANG)) == 0 && Clock::now() < deadline) usleep(10'000);
        if (reaped == 0) {
            ADD_FAILURE() << "qavi did not end on SIGTERM within the deadline";
            kill(pid_, SIGKILL);
            reaped = waitpid(pid_, &status, 0);
        }
        EXPECT_EQ(reaped, pid_);
        EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) || (WIFEXITED(status))) << "status " << status;
        pid_ = -1;
    }

    std::string qaviLog() const {
        std::ifstream in(home_ / "qavi.log");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Reads from the master until `count` bytes arrived or the deadline passed.
    Bytes readUntil(std::size_t count, Clock::time_point deadline) {
        Bytes got;
        while (got.size() < count) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) break;
            pollfd pfd{master_, POLLIN, 0};
            const int ready = poll(&pfd, 1, static_cast<int>(left.count()));
            if (ready < 0 && errno == EINTR) continue;
            if (ready <= 0) break;
            std::uint8_t buffer[256];
            const ssize_t n = read(master_, buffer, sizeof buffer);
            if (n <= 0) break;
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

    void writeAll(const Bytes& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            ASSERT_GT(n, 0) << strerror(errno);
            done += static_cast<std::size_t>(n);
        }
    }

    void expectIdentifyRequestInTime() {
        const Bytes expected = qavi::link::wireForm(qavi::link::IdentifyRequest());
        const Bytes got = readUntil(expected.size(), started_ + kIdentifyDeadline);
        ASSERT_EQ(got, expected) << "from qavi: " << hex(got) << "\nqavi's output:\n" << qaviLog();
    }

    int master_ = -1;
    int slaveHold_ = -1;
    std::string slavePath_;
    std::filesystem::path home_;
    pid_t pid_ = -1;
    Clock::time_point started_;
};

TEST_F(QaviOnPty, AsksTheControllerToIdentifyItselfRightAfterStart) {
    startQavi();
    expectIdentifyRequestInTime();
}

TEST_F(QaviOnPty, PollsOnceAVer2ControllerHasAnsweredWithItsSettings) {
    startQavi();
    expectIdentifyRequestInTime();

    const Bytes block = qavi::sim::fittedSettings(qavi::link::kVer2Version);
    ASSERT_GE(block.size(), 758u);
    Bytes wire;
    for (std::uint8_t b : block) wire.push_back(qavi::sim::WireController::scrambleAnswerByte(b));
    writeAll(wire);
    const auto answered = Clock::now();

    // Nothing else may come first: a second identification would mean the block was refused.
    const Bytes expected = qavi::link::wireForm(qavi::link::PollRequest());
    const Bytes got = readUntil(expected.size(), answered + kFirstPollDue + kTimerSlack * 4);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - answered);
    ASSERT_EQ(got, expected) << "from qavi: " << hex(got) << "\nqavi's output:\n" << qaviLog();
    EXPECT_GE(elapsed, kBusyTick - kTimerSlack) << "polled before the busy interval ended";
}

}  // namespace
