#include "link/port_menu.h"

#include <gtest/gtest.h>

namespace qavi::link {
namespace {

using Names = std::vector<std::string>;

TEST(PortMenu, CleansTheListedNames) {
    EXPECT_EQ(cleanPortNames({" ttyS10", "ttyS2\n", "", " \t", "ttyS2", "ttyACM0", "ttyUSB0\x7f"}),
              (Names{"ttyACM0", "ttyS2", "ttyS10", "ttyUSB0"}));
    EXPECT_EQ(cleanPortNames({"COM12", "COM3", "COM1"}), (Names{"COM1", "COM3", "COM12"}));
}

TEST(PortMenu, RecognisesWindowsPortNames) {
    const std::pair<std::string, bool> cases[] = {
        {"COM1", true},  {"COM30", true},  {"COM256", true}, {"COM", false},        {"COM01", false},
        {"com3", false}, {"COM3a", false}, {"ttyS0", false}, {"/dev/pts/7", false},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(isWindowsPortName(name), expected) << name;
}

TEST(PortMenu, LaysOutTheItems) {
    struct Case {
        Names present;
        bool design;
        Names items;
    };
    const Case cases[] = {
        {{}, true, {}},
        {{"COM3", "COM12"}, true, {"COM3", "COM12"}},
        {{"COM3", "COM45"}, true, {"COM3"}},  // no item above COM30
        {{"COM31"}, true, {}},
        {{"ttyACM0", "ttyS0", "ttyUSB0"}, false, {"ttyACM0", "ttyS0", "ttyUSB0"}},
    };
    for (const auto& c : cases) {
        const PortMenuLayout layout = layoutPortMenu(c.present);
        EXPECT_EQ(layout.useDesignItems, c.design) << testing::PrintToString(c.present);
        EXPECT_EQ(layout.itemNames, c.items) << testing::PrintToString(c.present);
    }
}

}  // namespace
}  // namespace qavi::link
