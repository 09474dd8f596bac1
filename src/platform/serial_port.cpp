#include "platform/serial_port.h"

namespace qavi::platform {

int PortSettings::effectiveBaudRate() const {
    switch (baudMode) {
    case BaudMode::Custom: return customBaudRate;
    case BaudMode::B110: return 110;
    case BaudMode::B300: return 300;
    case BaudMode::B600: return 600;
    case BaudMode::B1200: return 1200;
    case BaudMode::B2400: return 2400;
    case BaudMode::B4800: return 4800;
    case BaudMode::B9600: return 9600;
    case BaudMode::B14400: return 14400;
    case BaudMode::B19200: return 19200;
    case BaudMode::B38400: return 38400;
    case BaudMode::B56000: return 56000;
    case BaudMode::B57600: return 57600;
    case BaudMode::B115200: return 115200;
    case BaudMode::B128000: return 128000;
    case BaudMode::B256000: return 256000;
    }
    return 9600;
}

}  // namespace qavi::platform
