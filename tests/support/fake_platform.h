#pragma once

// Fakes of the platform interfaces for tests that run without a display or a
// serial line.

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "support/virtual_scheduler.h"

namespace qavi::test {

// Records every write with the virtual time it happened at; the test feeds
// received bytes with deliver().
class FakeSerialPort : public platform::SerialPort {
public:
    explicit FakeSerialPort(const VirtualScheduler* clock = nullptr) : clock_(clock) {}

    struct Write {
        std::int64_t atMs;
        std::vector<std::uint8_t> bytes;
    };

    std::optional<std::vector<std::string>> listPorts() override { return ports; }
    platform::SerialError open(const platform::PortSettings& settings) override;
    void close() override { open_ = false; ++closeCount; }
    bool isOpen() const override { return open_; }
    platform::SerialError write(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> read(std::size_t maxBytes) override;
    std::size_t bytesAvailable() const override { return inbox_.size(); }
    void clearLineErrors() override { ++clearErrorCount; }

    // Queues bytes and raises the receive event once for the batch.
    void deliver(const std::vector<std::uint8_t>& bytes);
    // All bytes written so far, concatenated.
    std::vector<std::uint8_t> written() const;

    std::optional<std::vector<std::string>> ports = std::vector<std::string>{};
    platform::SerialError openError;  // returned by the next open() when set
    platform::SerialError writeError;
    platform::PortSettings lastOpened;
    std::vector<Write> writes;
    int openCount = 0;
    int closeCount = 0;
    int clearErrorCount = 0;

private:
    const VirtualScheduler* clock_;
    bool open_ = false;
    std::deque<std::uint8_t> inbox_;
};

class MemoryKeyStore : public platform::KeyStore {
public:
    bool openKey(const std::string& keyPath) override;
    std::optional<std::string> readText(const std::string& keyPath, const std::string& name) override;
    std::optional<int> readInteger(const std::string& keyPath, const std::string& name) override;
    bool writeText(const std::string& keyPath, const std::string& name, const std::string& value) override;
    bool writeInteger(const std::string& keyPath, const std::string& name, int value) override;

    bool failWrites = false;
    bool failOpen = false;
    std::map<std::string, std::map<std::string, std::string>> texts;
    std::map<std::string, std::map<std::string, int>> integers;
};

class FixedClock : public platform::Clock {
public:
    platform::LocalDateTime now() const override { return time; }
    platform::LocalDateTime time{2026, 12, 10, 14, 30, 37, 0};
};

class TestLocale : public platform::Locale {
public:
    char decimalSeparator() const override { return decimal; }
    char thousandsSeparator() const override { return thousands; }
    std::string shortDateFormat() const override { return dateFormat; }
    std::string longTimeFormat() const override { return timeFormat; }

    char decimal = '.';
    char thousands = ',';
    std::string dateFormat = "dd.MM.yyyy";
    std::string timeFormat = "HH:mm:ss";
};

// Answers prompts from a script; any prompt the script does not expect fails the test.
class ScriptedDialogs : public platform::Dialogs {
public:
    void message(const std::string& text) override;
    bool question(const std::string& text) override;
    std::optional<std::string> openFileName(const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& filter) override;

    // Messages may be shown freely; they are recorded.
    std::vector<std::string> messages;
    std::deque<bool> answers;                            // for question()
    std::deque<std::optional<std::string>> fileNames;    // for open/save
    std::vector<std::string> questions;
    std::vector<std::string> filters;
};

class FakeShell : public platform::Shell {
public:
    bool openAddress(const std::string& address) override {
        opened.push_back(address);
        return succeed;
    }
    std::vector<std::string> opened;
    bool succeed = true;
};

class FakeScreen : public platform::Screen {
public:
    int width() const override { return screenWidth; }
    void hideTaskbar() override { taskbarHidden = true; ++hideCount; }
    void restoreTaskbar() override { taskbarHidden = false; ++restoreCount; }
    int screenWidth = 1920;
    bool taskbarHidden = false;
    int hideCount = 0;
    int restoreCount = 0;
};

// Everything a core test needs, wired into one Platform.
struct FakePlatform {
    VirtualScheduler scheduler;
    FakeSerialPort serial{&scheduler};
    MemoryKeyStore keys;
    FixedClock clock;
    TestLocale locale;
    ScriptedDialogs dialogs;
    FakeShell shell;
    FakeScreen screen;
    platform::Platform platform{serial, scheduler, keys, clock, locale, dialogs, shell, screen};
};

}  // namespace qavi::test
