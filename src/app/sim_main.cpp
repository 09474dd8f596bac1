// qavi-sim: the simulated controller on a pseudo-terminal. The tool (or any
// serial program) opens the printed device as if it were the adapter's port.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "sim/controller_model.h"
#include "sim/sim_options.h"
#include "sim/state_file.h"
#include "sim/wire_controller.h"

namespace {

using qavi::sim::Transmission;

volatile std::sig_atomic_t gStopRequested = 0;

extern "C" void requestStop(int) { gStopRequested = 1; }

// Line pace of the real controller: 7200 baud, 10 bits a byte.
constexpr double kByteMicros = 10.0 * 1e6 / 7200.0;
constexpr std::size_t kBytesPerWrite = 8;

class MonotonicClock {
public:
    std::int64_t micros() const {
        return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start_).count();
    }
    std::int64_t millis() const { return micros() / 1000; }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

struct PendingWrite {
    std::int64_t dueMicros;
    std::vector<std::uint8_t> bytes;
};

void makeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return;
    t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF);
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
    t.c_cflag |= CS8;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &t);
}

// Drops the bytes written to the port that nobody read.
void discardUnread(const std::string& devicePath) {
    const int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return;
    tcflush(fd, TCIFLUSH);
    close(fd);
}

void installSignalHandlers() {
    struct sigaction stop {};
    stop.sa_handler = requestStop;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, nullptr);
}

void reportSaveError(const std::optional<std::string>& error) {
    if (error) std::fprintf(stderr, "qavi-sim: %s\n", error->c_str());
}

// Answers leave at the line's pace, a few bytes per write, so the tool sees
// them arrive in batches as from a real adapter.
void schedule(std::deque<Transmission> out, std::deque<PendingWrite>& pending, std::int64_t nowMicros,
              double& lineFreeMicros) {
    for (Transmission& t : out) {
        double at = std::max({static_cast<double>(nowMicros), lineFreeMicros, t.notBeforeMs * 1000.0});
        for (std::size_t i = 0; i < t.bytes.size(); i += kBytesPerWrite) {
            const std::size_t n = std::min(kBytesPerWrite, t.bytes.size() - i);
            at += static_cast<double>(n) * kByteMicros;
            pending.push_back({static_cast<std::int64_t>(at),
                               std::vector<std::uint8_t>(t.bytes.begin() + static_cast<std::ptrdiff_t>(i),
                                                         t.bytes.begin() + static_cast<std::ptrdiff_t>(i + n))});
        }
        lineFreeMicros = at;
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = qavi::sim::parseSimOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "qavi-sim: %s\n", parsed.error.c_str());
        return 2;
    }
    const qavi::sim::SimOptions& options = *parsed.options;
    if (options.help) {
        std::fputs(qavi::sim::simUsage().c_str(), stdout);
        return 0;
    }

    qavi::sim::ControllerModel model(options.model);
    if (!options.stateFile.empty()) {
        if (auto message = qavi::sim::loadState(options.stateFile, model)) {
            std::fprintf(stderr, "qavi-sim: %s\n", message->c_str());
        }
    }
    model.setActiveErrors(options.errors);
    qavi::sim::WireController wire(model, options.faults);

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::fprintf(stderr, "qavi-sim: cannot create a pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    const char* slaveName = ptsname(master);
    if (slaveName == nullptr) {
        std::fprintf(stderr, "qavi-sim: cannot name the pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    const std::string devicePath = slaveName;
    // Raw from the start, for programs that do not set the line up themselves;
    // the settings stay with the pseudo-terminal after this end is closed.
    if (const int slave = open(devicePath.c_str(), O_RDWR | O_NOCTTY); slave >= 0) {
        makeRaw(slave);
        close(slave);
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    installSignalHandlers();

    std::printf("%s\n", devicePath.c_str());
    std::fflush(stdout);

    MonotonicClock clock;
    bool portInUse = false;
    std::deque<PendingWrite> pending;
    double lineFreeMicros = 0;
    int exitCode = 0;
    std::vector<std::uint8_t> buffer(4096);

    while (!gStopRequested) {
        const std::int64_t nowMs = clock.millis();
        if (options.faults.vanishAfterMs && nowMs >= *options.faults.vanishAfterMs) {
            std::fprintf(stderr, "qavi-sim: the adapter vanished (as if unplugged)\n");
            break;
        }
        std::int64_t waitMs = 200;
        if (!pending.empty()) waitMs = std::min(waitMs, pending.front().dueMicros / 1000 - nowMs + 1);
        if (auto deadline = wire.idleDeadline()) waitMs = std::min(waitMs, *deadline - nowMs);
        if (options.faults.vanishAfterMs) waitMs = std::min(waitMs, *options.faults.vanishAfterMs - nowMs);
        pollfd pfd{master, POLLIN, 0};
        const int ready = poll(&pfd, 1, static_cast<int>(std::max<std::int64_t>(0, waitMs)));
        if (ready < 0 && errno != EINTR) {
            std::fprintf(stderr, "qavi-sim: waiting on the line failed: %s\n", std::strerror(errno));
            exitCode = 1;
            break;
        }
        if (ready > 0 && (pfd.revents & POLLHUP) != 0) {
            // Nobody has the port open. Whatever the controller still had to say
            // is lost, as with a real adapter's closed port, so the next session
            // does not begin with the tail of an old answer.
            if (portInUse) {
                portInUse = false;
                pending.clear();
                (void)wire.takeOutput();
                discardUnread(devicePath);
            }
            poll(nullptr, 0, 20);
            continue;
        }
        portInUse = true;
        if (ready > 0 && (pfd.revents & POLLIN) != 0) {
            const ssize_t n = ::read(master, buffer.data(), buffer.size());
            if (n > 0) {
                wire.receive(std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(n)), clock.millis());
            }
        }
        if (auto deadline = wire.idleDeadline(); deadline && clock.millis() >= *deadline) wire.idle(clock.millis());
        if (wire.hasOutput()) schedule(wire.takeOutput(), pending, clock.micros(), lineFreeMicros);

        const std::int64_t nowMicros = clock.micros();
        while (!pending.empty() && pending.front().dueMicros <= nowMicros) {
            auto& front = pending.front();
            const ssize_t written = ::write(master, front.bytes.data(), front.bytes.size());
            if (written < 0) break;  // the pty is full: try again on the next turn
            front.bytes.erase(front.bytes.begin(), front.bytes.begin() + written);
            if (!front.bytes.empty()) break;
            pending.pop_front();
        }
        if (!options.stateFile.empty() && model.takeSettingsChanged()) {
            reportSaveError(qavi::sim::saveState(options.stateFile, model));
        }
    }

    if (!options.stateFile.empty()) reportSaveError(qavi::sim::saveState(options.stateFile, model));
    close(master);
    return exitCode;
}
