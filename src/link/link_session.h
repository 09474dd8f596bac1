#pragma once

// The conversation with the controller: connect and identify, the fixed-rate
// exchange on the tick, the three-slot command queue with acknowledgement and
// retries, the answer time-out, the disconnect step and the connect switch.
// Everything runs on the window's thread. The session wires the serial port's
// events, its timers and the widgets it owns (the port menu, Połącz, Rozłącz,
// Exit and the connect switch) to its handlers when it is constructed.

#include <functional>
#include <memory>
#include <span>
#include <string>

#include "link/controller_contract.h"
#include "link/frame_codec.h"
#include "link/frame_transmitter.h"
#include "link/link_control.h"
#include "platform/platform.h"
#include "ui/form/form.h"
#include "ui/lang/lang_table.h"

namespace qavi::link {

// The marker that, in the `after` slot, asks for the settings file to be
// written once the settings answer of the current command has been shown.
inline const Bytes kSaveMarker{'Z', 'A', 'P', 'I', 'S'};

inline constexpr int kTickIntervalMs = 240;
inline constexpr int kBusyIntervalBit = 0x400;
inline constexpr int kDefaultRetryBudget = 5;
inline constexpr int kMapRetryBudget = 7;

// Hand-overs to the parts that receive answers; each does nothing while unset.
struct LinkHooks {
    // The settings block arrived (identification, 'f', '&'): replace the block, render the view.
    std::function<void(const Bytes& block)> settingsAnswer;
    // An answer to 'M' or 'N': offsets 4..258 of the answer (the service record).
    std::function<void(std::span<const std::uint8_t> record)> serviceAnswer;
    // Any other finished answer, and the blank frame of the disconnect step.
    std::function<void(const Bytes& frame)> liveFrame;
    // The "ZAPIS" marker was reached: write the settings file.
    std::function<void()> saveMarkerReached;
    // The stored name of the current language ("PolskiPL", …), written at disconnect.
    std::function<std::string()> currentLanguage;
    // Clicks the language menu item with this stored name (start-up).
    std::function<void(const std::string& storedName)> applyStoredLanguage;
    // Closes the main window (the shell then runs FormClose).
    std::function<void()> closeWindow;
    // The three service fields an 'M' command carries.
    const ServiceFieldSource* serviceFields = nullptr;
};

class LinkSession : public LinkControl {
public:
    LinkSession(platform::Platform& platform, ui::Form& form, ui::LangTable& lang);
    ~LinkSession();
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    LinkHooks hooks;

    // ---- What other parts use ------------------------------------------------
    // Callers set the budget (5, or 7 for map uploads) right before queueing.
    void setRetryBudget(int budget) override;
    int retryBudget() const override;
    void QueueCommand(const Bytes& first, const Bytes& second = {}, const Bytes& third = {}) override;
    void enterBusyMode() override;
    void leaveBusyMode() override;
    FirmwareVariant firmwareVariant() const override;
    bool portOpen() const override;
    const std::string& linkState() const override;
    bool busy() const;
    // The text status panel 0 shows ("QAVI ver." or "QAVI ver. 5.09.11").
    std::string versionText() const;
    int currentCommand() const;
    int connectAttempts() const;
    const Bytes& rxBuffer() const;
    // Places a raw command string in the `next` slot, to go out after the
    // current one is acknowledged (the service record's connection-date write).
    void setNextCommand(const Bytes& command);
    const platform::PortSettings& portSettings() const;

    // ---- Handlers of the window --------------------------------------------
    void FormCreate();  // start-up: ports, stored settings, language
    void FormPaint();
    void FormClose();
    void Exit1Click();
    void zmien_port_COM(const std::string& portName);  // a port item was chosen
    void polaczClick();                                // "Połącz": connect as a user start
    void rozlacz1Click();                              // "Rozłącz": the disconnect step
    void Polacz_switchStatusChanged();
    void ComPort1RxChar(std::size_t count);
    void Timer_CountTimer();
    void Timer_Czekaj_na_odczytTimer();
    // Uses this port for the run and connects as a user start (command line).
    // Call after FormCreate; the port stored for later runs stays as it was.
    void connectTo(const std::string& portName);

    // The line failed while open (the serial port's onError; the adapter was
    // unplugged): drops the link once and tells the user once.
    void handleLineFault(const platform::SerialError& error);

    // The timers, for tests that look at their schedule.
    platform::Timer& tickTimer();
    platform::Timer& answerTimer();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Shows or hides what depends on the firmware family.
void ApplyFirmwareVariant(ui::Form& form, FirmwareVariant variant);

}  // namespace qavi::link
