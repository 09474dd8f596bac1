#include "qt/platform/qt_serial_port.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace qavi::qt {

using platform::SerialError;
using platform::SerialErrorKind;

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, [this] {
        if (onBytesReceived) onBytesReceived(bytesAvailable());
    });
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::handleError);
}

QtSerialPort::~QtSerialPort() {
    // No events may reach the core while the port goes away with the window.
    port_.disconnect(this);
    if (port_.isOpen()) port_.close();
}

SerialErrorKind QtSerialPort::kindOf(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::NoError:
            return SerialErrorKind::None;
        case QSerialPort::DeviceNotFoundError:
            return SerialErrorKind::NotFound;
        case QSerialPort::PermissionError:
            return SerialErrorKind::PermissionDenied;
        case QSerialPort::OpenError:
            return SerialErrorKind::Busy;
        case QSerialPort::ReadError:
        case QSerialPort::WriteError:
        case QSerialPort::ResourceError:
            return SerialErrorKind::Io;
        case QSerialPort::NotOpenError:
            return SerialErrorKind::NotOpen;
        default:
            return SerialErrorKind::Other;
    }
}

std::optional<std::vector<std::string>> QtSerialPort::listPorts() {
    std::vector<std::string> names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        names.push_back(info.portName().toStdString());
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

SerialError QtSerialPort::currentError() const {
    return SerialError{kindOf(port_.error()), port_.errorString().toStdString()};
}

SerialError QtSerialPort::applySettings(const platform::PortSettings& s) {
    using platform::DataBits;
    using platform::Parity;
    using platform::StopBits;
    bool ok = port_.setBaudRate(s.effectiveBaudRate());
    switch (s.dataBits) {
        case DataBits::Five:
            ok = port_.setDataBits(QSerialPort::Data5) && ok;
            break;
        case DataBits::Six:
            ok = port_.setDataBits(QSerialPort::Data6) && ok;
            break;
        case DataBits::Seven:
            ok = port_.setDataBits(QSerialPort::Data7) && ok;
            break;
        case DataBits::Eight:
            ok = port_.setDataBits(QSerialPort::Data8) && ok;
            break;
    }
    switch (s.parity) {
        case Parity::None:
            ok = port_.setParity(QSerialPort::NoParity) && ok;
            break;
        case Parity::Odd:
            ok = port_.setParity(QSerialPort::OddParity) && ok;
            break;
        case Parity::Even:
            ok = port_.setParity(QSerialPort::EvenParity) && ok;
            break;
        case Parity::Mark:
            ok = port_.setParity(QSerialPort::MarkParity) && ok;
            break;
        case Parity::Space:
            ok = port_.setParity(QSerialPort::SpaceParity) && ok;
            break;
    }
    switch (s.stopBits) {
        case StopBits::One:
            ok = port_.setStopBits(QSerialPort::OneStop) && ok;
            break;
        case StopBits::OneAndHalf:
            ok = port_.setStopBits(QSerialPort::OneAndHalfStop) && ok;
            break;
        case StopBits::Two:
            ok = port_.setStopBits(QSerialPort::TwoStop) && ok;
            break;
    }
    // The controller's cable wants no handshake at all, whatever was stored.
    ok = port_.setFlowControl(QSerialPort::NoFlowControl) && ok;
    if (!ok) return currentError();
    // Pseudo-terminals and some adapters have no modem lines; that is no reason to fail.
    port_.setDataTerminalReady(false);
    port_.setRequestToSend(false);
    port_.clearError();
    return {};
}

SerialError QtSerialPort::open(const platform::PortSettings& settings) {
    const QString name = QString::fromStdString(settings.portName);
    if (port_.isOpen() && port_.portName() != name) port_.close();
    if (!port_.isOpen()) {
        port_.setPortName(name);
        if (!port_.open(QIODevice::ReadWrite)) {
            SerialError error = currentError();
            if (error.kind == SerialErrorKind::None) error.kind = SerialErrorKind::Other;
            port_.clearError();
            return error;
        }
    }
    SerialError error = applySettings(settings);
    if (error) port_.close();
    return error;
}

void QtSerialPort::close() {
    if (port_.isOpen()) port_.close();
    port_.clearError();
}

bool QtSerialPort::isOpen() const { return port_.isOpen(); }

SerialError QtSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!port_.isOpen()) return SerialError{SerialErrorKind::NotOpen, "Port not open"};
    const auto size = static_cast<qint64>(bytes.size());
    const qint64 written = port_.write(reinterpret_cast<const char*>(bytes.data()), size);
    if (written != size) {
        SerialError error = currentError();
        if (error.kind == SerialErrorKind::None) error = SerialError{SerialErrorKind::Io, "Write failed"};
        return error;
    }
    return {};
}

std::vector<std::uint8_t> QtSerialPort::read(std::size_t maxBytes) {
    if (!port_.isOpen() || maxBytes == 0) return {};
    const QByteArray data = port_.read(static_cast<qint64>(maxBytes));
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

std::size_t QtSerialPort::bytesAvailable() const {
    return port_.isOpen() ? static_cast<std::size_t>(port_.bytesAvailable()) : 0;
}

void QtSerialPort::clearLineErrors() { port_.clearError(); }

void QtSerialPort::handleError(QSerialPort::SerialPortError error) {
    const SerialErrorKind kind = kindOf(error);
    if (kind != SerialErrorKind::Io || !port_.isOpen()) return;
    const SerialError reported{kind, port_.errorString().toStdString()};
    port_.close();
    port_.clearError();
    if (onError) onError(reported);
}

}  // namespace qavi::qt
