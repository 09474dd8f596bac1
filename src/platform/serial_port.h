#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qavi::platform {

// How the line is clocked: a standard rate from the list the key store knows,
// or the custom rate (the controller speaks 7200 baud, which no standard lists).
enum class BaudMode { Custom, B110, B300, B600, B1200, B2400, B4800, B9600, B14400, B19200,
                      B38400, B56000, B57600, B115200, B128000, B256000 };
enum class StopBits { One, OneAndHalf, Two };
enum class DataBits { Five, Six, Seven, Eight };
enum class Parity { None, Odd, Even, Mark, Space };
enum class FlowControl { Hardware, Software, None, Custom };

// Everything the port needs to open a line; persisted between runs by the link.
struct PortSettings {
    std::string portName;
    BaudMode baudMode = BaudMode::B9600;
    int customBaudRate = 7200;
    StopBits stopBits = StopBits::One;
    DataBits dataBits = DataBits::Eight;
    Parity parity = Parity::None;
    FlowControl flowControl = FlowControl::None;

    // The rate the line actually runs at: the custom rate in the custom mode.
    int effectiveBaudRate() const;
};

enum class SerialErrorKind { None, NotFound, PermissionDenied, Busy, Io, NotOpen, Other };

struct SerialError {
    SerialErrorKind kind = SerialErrorKind::None;
    std::string message;  // the platform's own words
    explicit operator bool() const { return kind != SerialErrorKind::None; }
};

// One serial line. Events are delivered on the window's thread.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Names of the ports present (system names such as COM3 or ttyUSB0);
    // nullopt when the platform could not list them.
    virtual std::optional<std::vector<std::string>> listPorts() = 0;

    // Opens (or re-opens with new settings) the named port. Opening a port that
    // is already open with the same name is fine.
    virtual SerialError open(const PortSettings& settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Hands the bytes to the port; an error when the port is not open or the write failed.
    virtual SerialError write(std::span<const std::uint8_t> bytes) = 0;
    // Takes up to maxBytes of the bytes waiting.
    virtual std::vector<std::uint8_t> read(std::size_t maxBytes) = 0;
    virtual std::size_t bytesAvailable() const = 0;
    // Clears the line-error state (framing, overrun) the driver holds.
    virtual void clearLineErrors() = 0;

    // Bytes arrived; the argument is the count waiting.
    std::function<void(std::size_t)> onBytesReceived;
    // The line failed while open (adapter unplugged, I/O error).
    std::function<void(const SerialError&)> onError;
};

}  // namespace qavi::platform
