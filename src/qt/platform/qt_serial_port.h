#pragma once

#include <QObject>
#include <QSerialPort>

#include "platform/serial_port.h"

namespace qavi::qt {

// The serial line through QSerialPort. A line that fails while open (adapter
// pulled, far end gone) is closed at once and reported once: QSerialPort would
// otherwise keep raising the same read error until someone closes it.
class QtSerialPort : public QObject, public platform::SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject* parent = nullptr);
    ~QtSerialPort() override;

    std::optional<std::vector<std::string>> listPorts() override;
    platform::SerialError open(const platform::PortSettings& settings) override;
    void close() override;
    bool isOpen() const override;
    platform::SerialError write(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> read(std::size_t maxBytes) override;
    std::size_t bytesAvailable() const override;
    void clearLineErrors() override;

    static platform::SerialErrorKind kindOf(QSerialPort::SerialPortError error);

private:
    platform::SerialError applySettings(const platform::PortSettings& settings);
    platform::SerialError currentError() const;
    void handleError(QSerialPort::SerialPortError error);

    QSerialPort port_;
};

}  // namespace qavi::qt
