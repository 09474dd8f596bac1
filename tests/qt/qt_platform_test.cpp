#include "qt/platform/qt_platform.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <thread>

namespace qavi::qt {
namespace {

// ---- Scheduler (real time, kept to a few tens of milliseconds) ----------------------

TEST(QtScheduler, StartOnARunningTimerKeepsItsInterval) {
    QtScheduler scheduler;
    auto timer = scheduler.createTimer();
    auto* qtTimer = static_cast<QtTimer*>(timer.get());
    timer->setInterval(1000);
    timer->start();
    QTest::qWait(40);
    timer->start();  // no fresh interval
    EXPECT_LE(qtTimer->remainingMs(), 975);
    timer->restart();  // a fresh interval
    EXPECT_GE(qtTimer->remainingMs(), 990);
    QTest::qWait(30);
    timer->setInterval(2000);  // a running timer restarts with the new interval
    EXPECT_GE(qtTimer->remainingMs(), 1990);
    EXPECT_TRUE(timer->isActive());
    timer->stop();
    EXPECT_FALSE(timer->isActive());
    timer->setInterval(500);  // a stopped timer stays stopped
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
}

TEST(QtScheduler, TimerRepeatsAndSingleShotRunsOnce) {
    QtScheduler scheduler;
    auto timer = scheduler.createTimer();
    int ticks = 0;
    timer->onTimeout = [&] { ++ticks; };
    timer->setInterval(10);
    timer->start();
    int shots = 0;
    scheduler.singleShot(5, [&] { ++shots; });
    const auto before = scheduler.nowMs();
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 100);
    timer->stop();
    EXPECT_EQ(shots, 1);
    EXPECT_GE(scheduler.nowMs() - before, 25);
}

// ---- Key store --------------------------------------------------------------------------

TEST(QtKeyStore, ValuesLiveUnderTheirKeyPaths) {
    QTemporaryDir dir;
    const QString file = dir.filePath("QAVI.ini");
    {
        QtKeyStore keys(file);
        EXPECT_TRUE(keys.openKey("Software\\QAVI\\ComPort1"));
        EXPECT_TRUE(keys.writeText("Software\\QAVI\\ComPort1", "ComPort", "ttyUSB0"));
        EXPECT_TRUE(keys.writeInteger("Software\\QAVI\\ComPort1", "BaudRate", 7200));
        EXPECT_TRUE(keys.writeText("Software\\QAVI\\Lang", "CurLang", "2"));
    }
    QtKeyStore keys(file);  // another run of the program
    EXPECT_EQ(keys.readText("Software\\QAVI\\ComPort1", "ComPort"), "ttyUSB0");
    EXPECT_EQ(keys.readInteger("Software\\QAVI\\ComPort1", "BaudRate"), 7200);
    EXPECT_EQ(keys.readInteger("Software\\QAVI\\Lang", "CurLang"), 2);
    EXPECT_EQ(keys.readText("Software\\QAVI\\Lang", "ComPort"), std::nullopt);
    EXPECT_EQ(keys.readInteger("Software\\QAVI\\ComPort1", "ComPort"), std::nullopt);  // not a number
    EXPECT_EQ(keys.readText("Software\\QAVI\\Missing", "Anything"), std::nullopt);
}

TEST(QtKeyStore, FirstRunCreatesTheFolder) {
    QTemporaryDir dir;
    QtKeyStore keys(dir.filePath("config/QAVI/QAVI.ini"));
    EXPECT_TRUE(keys.openKey("Software\\QAVI\\Lang"));
    EXPECT_TRUE(keys.writeInteger("Software\\QAVI\\Lang", "CurLang", 3));
    EXPECT_EQ(keys.readInteger("Software\\QAVI\\Lang", "CurLang"), 3);
}

TEST(QtKeyStore, UnwritableStoreSaysSo) {
    QtKeyStore keys(QString("/proc/qavi-cannot-be-here/QAVI.ini"));
    EXPECT_FALSE(keys.openKey("Software\\QAVI\\Lang"));
    EXPECT_FALSE(keys.writeText("Software\\QAVI\\Lang", "CurLang", "1"));
    EXPECT_EQ(keys.readText("Software\\QAVI\\Lang", "CurLang"), std::nullopt);
}

// ---- Dialog filters -------------------------------------------------------------------

TEST(QtDialogs, FiltersInTheFileDialogsForm) {
    EXPECT_EQ(QtDialogs::toQtFilter("*.qav  data file|*.qav"), "*.qav  data file (*.qav)");
    EXPECT_EQ(QtDialogs::toQtFilter("Data|*.qav;*.bin|All|*.*"), "Data (*.qav *.bin);;All (*.*)");
    EXPECT_EQ(QtDialogs::toQtFilter(""), "");
}

// ---- Serial port ---------------------------------------------------------------------

TEST(QtSerialPort, MissingPortAndClosedPortAreReported) {
    QtSerialPort port;
    platform::PortSettings settings;
    settings.portName = "/dev/qavi-no-such-port";
    const platform::SerialError error = port.open(settings);
    EXPECT_EQ(error.kind, platform::SerialErrorKind::NotFound);
    EXPECT_FALSE(error.message.empty());
    EXPECT_FALSE(port.isOpen());
    const std::uint8_t byte = 0xCC;
    EXPECT_EQ(port.write({&byte, 1}).kind, platform::SerialErrorKind::NotOpen);
    EXPECT_TRUE(port.read(16).empty());
    EXPECT_EQ(port.bytesAvailable(), 0u);
    const auto ports = port.listPorts();
    ASSERT_TRUE(ports.has_value());
    EXPECT_TRUE(std::is_sorted(ports->begin(), ports->end()));
}

// A pseudo-terminal stands in for the adapter: bytes both ways at the
// controller's custom rate, then the far end vanishes.
TEST(QtSerialPort, TalksOverAPseudoTerminalAndReportsTheLostLineOnce) {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
    QtSerialPort port;
    std::size_t received = 0;
    int errors = 0;
    platform::SerialError lastError;
    port.onBytesReceived = [&](std::size_t n) { received = n; };
    port.onError = [&](const platform::SerialError& e) {
        ++errors;
        lastError = e;
    };
    platform::PortSettings settings;
    settings.portName = name;
    settings.baudMode = platform::BaudMode::Custom;
    settings.customBaudRate = 7200;
    ASSERT_FALSE(port.open(settings)) << port.open(settings).message;
    ::close(slave);
    EXPECT_TRUE(port.isOpen());

    const std::uint8_t request[] = {0xCC, 0x12, 0x34};
    EXPECT_FALSE(port.write(request));
    QTest::qWait(20);
    std::uint8_t got[8] = {};
    EXPECT_EQ(::read(master, got, sizeof got), 3);
    EXPECT_EQ(got[0], 0xCC);

    const std::uint8_t answer[] = {0xAA, 0x00, 0x05};
    ASSERT_EQ(::write(master, answer, sizeof answer), 3);
    QTRY_VERIFY_WITH_TIMEOUT(received == 3, 100);
    EXPECT_EQ(port.read(2), (std::vector<std::uint8_t>{0xAA, 0x00}));
    EXPECT_EQ(port.bytesAvailable(), 1u);

    ::close(master);
    QTRY_VERIFY_WITH_TIMEOUT(errors >= 1, 100);
    QTest::qWait(20);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(lastError.kind, platform::SerialErrorKind::Io);
    EXPECT_FALSE(port.isOpen());
}

TEST(QtPlatform, BundlesEveryService) {
    QtPlatform desktop;
    platform::Platform& p = desktop.platform;
    EXPECT_EQ(&p.serial, &desktop.serial);
    EXPECT_EQ(&p.keys, &desktop.keys);
    const char decimal = p.locale.decimalSeparator();
    EXPECT_TRUE(decimal == '.' || decimal == ',');
    EXPECT_NE(p.locale.longTimeFormat().find('m'), std::string::npos);
    EXPECT_GE(p.clock.now().year, 2024);
    EXPECT_GT(p.screen.width(), 0);
}

}  // namespace
}  // namespace qavi::qt
