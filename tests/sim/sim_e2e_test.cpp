// The simulator on a real pseudo-terminal, driven through Qt's serial port the
// way the desktop tool drives an adapter. Runs in real time, a few seconds.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSerialPort>
#include <QTimer>

#include "link/frame_codec.h"

namespace {

using qavi::link::Bytes;

class SimOnPty : public ::testing::Test {
protected:
    void SetUp() override {
        sim_.setProgram(QStringLiteral(QAVI_SIM_EXECUTABLE));
        sim_.setArguments({"--firmware", "5.9.11", "--seed", "3"});
        sim_.start();
        ASSERT_TRUE(sim_.waitForStarted(5000)) << sim_.errorString().toStdString();
        QElapsedTimer t;
        t.start();
        while (!sim_.canReadLine() && t.elapsed() < 5000) sim_.waitForReadyRead(100);
        ASSERT_TRUE(sim_.canReadLine()) << "qavi-sim printed no device path";
        devicePath_ = QString::fromLocal8Bit(sim_.readLine()).trimmed();
        ASSERT_TRUE(devicePath_.startsWith("/dev/")) << devicePath_.toStdString();
    }

    void TearDown() override {
        if (sim_.state() != QProcess::NotRunning) {
            sim_.terminate();
            EXPECT_TRUE(sim_.waitForFinished(5000));
            EXPECT_EQ(sim_.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(sim_.exitCode(), 0);
        }
    }

    // Sends a frame's wire form and gathers the answer until its length field is met.
    Bytes exchange(QSerialPort& port, const Bytes& frame, int timeoutMs = 3000) {
        const Bytes wire = qavi::link::wireForm(frame);
        port.write(reinterpret_cast<const char*>(wire.data()), static_cast<qint64>(wire.size()));
        port.waitForBytesWritten(1000);
        Bytes answer;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            if (!port.waitForReadyRead(50)) continue;
            for (char c : port.readAll()) answer.push_back(qavi::link::UnscrambleByte(static_cast<std::uint8_t>(c)));
            if (answer.size() >= 3 && answer.size() >= static_cast<std::size_t>((answer[1] << 8) | answer[2])) break;
        }
        return answer;
    }

    static int lengthField(const Bytes& a) { return a.size() < 3 ? -1 : (a[1] << 8) | a[2]; }

    QProcess sim_;
    QString devicePath_;
};

TEST_F(SimOnPty, IdentifiesPollsAndAcknowledgesACommand) {
    QSerialPort port(devicePath_);
    port.setBaudRate(7200);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    ASSERT_TRUE(port.open(QIODevice::ReadWrite)) << port.errorString().toStdString();

    const Bytes id = exchange(port, qavi::link::IdentifyRequest());
    ASSERT_GE(id.size(), 758u);
    EXPECT_EQ(id[0], 0xAA);
    EXPECT_EQ(lengthField(id), static_cast<int>(id.size()));
    EXPECT_EQ(id[4], 5);
    EXPECT_EQ(id[5], 9);
    EXPECT_EQ(id[6], 11);
    EXPECT_EQ(id[7], 50);

    QElapsedTimer polling;
    polling.start();
    int polls = 0;
    while (polling.elapsed() < 2000) {
        QElapsedTimer tick;
        tick.start();
        const Bytes live = exchange(port, qavi::link::PollRequest());
        ASSERT_GE(live.size(), 56u) << "poll " << polls;
        EXPECT_EQ(lengthField(live), static_cast<int>(live.size()));
        EXPECT_EQ(live[3], 0x55);
        EXPECT_EQ(live[4] & 1, 1);
        ++polls;
        while (tick.elapsed() < 240) port.waitForReadyRead(static_cast<int>(240 - tick.elapsed()));
    }
    EXPECT_GE(polls, 6);

    const Bytes ack = exchange(port, qavi::link::BuildFrame(Bytes{0x0F, 0x28}, nullptr));
    ASSERT_GE(ack.size(), 56u);
    EXPECT_EQ(ack[3], 0x0F);
    const Bytes settings = exchange(port, qavi::link::BuildFrame(Bytes{0x66, 0x00}, nullptr));
    ASSERT_GE(settings.size(), 758u);
    EXPECT_EQ(settings[35], 0x28);
    port.close();
}

TEST_F(SimOnPty, AReopenedPortDoesNotStartWithTheTailOfAnOldAnswer) {
    QSerialPort port(devicePath_);
    port.setBaudRate(7200);
    ASSERT_TRUE(port.open(QIODevice::ReadWrite)) << port.errorString().toStdString();
    // Leave in the middle of the long identification answer, as a disconnect may.
    const Bytes wire = qavi::link::wireForm(qavi::link::IdentifyRequest());
    port.write(reinterpret_cast<const char*>(wire.data()), static_cast<qint64>(wire.size()));
    port.waitForBytesWritten(1000);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 200) port.waitForReadyRead(static_cast<int>(200 - t.elapsed()));
    port.close();
    // The answer goes on being sent for another 800 ms while the port is closed.
    QEventLoop pause;
    QTimer::singleShot(1000, &pause, &QEventLoop::quit);
    pause.exec();

    ASSERT_TRUE(port.open(QIODevice::ReadWrite)) << port.errorString().toStdString();
    const Bytes live = exchange(port, qavi::link::PollRequest());
    ASSERT_EQ(live.size(), 57u);
    EXPECT_EQ(live[0], 0xAA);
    EXPECT_EQ(live[3], 0x55);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
