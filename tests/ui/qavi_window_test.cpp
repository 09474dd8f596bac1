// The parts wired together: what one part hands over reaches the next.

#include "ui/window/qavi_window.h"

#include <gtest/gtest.h>

#include "link/controller_double.h"
#include "support/fake_platform.h"

namespace qavi::ui {
namespace {

using link::Bytes;

class QaviWindowTest : public ::testing::Test {
protected:
    QaviWindowTest() { fp.serial.ports = std::vector<std::string>{"ttyUSB0"}; }

    // Connects to a controller of the given firmware that reports `liveFill` in every live frame.
    void connect(std::uint8_t major, std::uint8_t minor, std::uint8_t patch) {
        controller.reply = [=](const Bytes& frame) -> std::optional<Bytes> {
            if (frame.size() > 2 && frame[1] == 0x66) return test::identificationAnswer(major, minor, patch);
            Bytes body(test::answer(frame[1], Bytes(60, 0xFF)));
            return body;
        };
        window.FormCreate();
        window.link.zmien_port_COM("ttyUSB0");
        controller.advance(3000);
    }

    test::FakePlatform fp;
    QaviWindow window{fp.platform};
    test::ControllerDouble controller{fp};
};

TEST_F(QaviWindowTest, TheStoredLanguageIsAppliedAtStartUp) {
    fp.keys.texts["Software\\QAVI\\Lang"]["CurLang"] = "AngielskiGB";
    window.FormCreate();
    EXPECT_TRUE(window.form.AngielskiGB.checked());
    EXPECT_EQ(window.lang.text(11), "No LPG Controller");
    EXPECT_EQ(window.form.TabSheet1.caption(), "Panel Petrol");
}

TEST_F(QaviWindowTest, TheConnectionShowsTheSettingsAndTheLiveData) {
    connect(5, 9, 11);
    EXPECT_EQ(window.form.StatusBar1.panelText(0), "QAVI ver. 5.09.11");
    EXPECT_EQ(window.config.block.length(), link::kSettingsBlockMinLength);
    EXPECT_EQ(window.form.Error_Led.visible(), false);
    // Live frames of 0xFF bytes: ignition on, 25.5 krpm on the dial.
    EXPECT_EQ(window.form.RPM_Edit.value(), 25500);
    EXPECT_TRUE(window.form.Zaplon_panel.enabled());
}

TEST_F(QaviWindowTest, ZeroingTheCorrectionsOfVer1FirmwareSendsNothing) {
    window.form.kor_3.setValue(5);  // a value left from an earlier ver_2 controller
    connect(3, 7, 7);
    EXPECT_EQ(window.form.kor_3.value(), 0);
    for (const Bytes& frame : controller.frames) EXPECT_NE(frame[1], 0x44) << "corrections were sent";
}

TEST_F(QaviWindowTest, TheWindowSeparatorsFollowTheLocale) {
    fp.locale.decimal = ',';
    QaviWindow commaWindow{fp.platform};
    EXPECT_EQ(commaWindow.form.decimalSeparator(), ',');
}

}  // namespace
}  // namespace qavi::ui
