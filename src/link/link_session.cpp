#include "link/link_session.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "link/port_menu.h"
#include "link/port_settings.h"

namespace qavi::link {

namespace {

// LinkState values.
const std::string kNoLink;
const std::string kWaitIdent = "w_s_0";
const std::string kIdentRest = "w_s_count";
const std::string kConnected = "T_C_start";
const std::string kIdle = "count";
const std::string kWaitAnswer = "read_count";
const std::string kAnswerRest = "read_count_1";

const std::string kNoVersionText = "QAVI ver.";
const std::string kTimeoutMessage = "Time out - Error1";
const std::string kInitErrorMessage = "Init Error";
constexpr int kNoLpgControllerRow = 11;
constexpr int kVersionTooOldRow = 137;
constexpr std::size_t kBlankFrameLength = 500;
constexpr std::size_t kServiceRecordFirst = 4;
constexpr std::size_t kServiceRecordLast = 258;
constexpr int kCustomRate = 7200;

std::string twoDigits(int v) {
    const int d = (v + 100) % 100;
    return std::string(1, static_cast<char>('0' + d / 10)) + static_cast<char>('0' + d % 10);
}

// Hundredths written as a decimal number without trailing zeros.
std::string hundredthsText(int hundredths, char decimalSeparator) {
    std::string text = std::to_string(hundredths / 100);
    const int fraction = hundredths % 100;
    if (fraction != 0) {
        text += decimalSeparator;
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

const char* const kPermissionAdvice =
    " Add your user account to the group that owns the device (usually \"dialout\"), then log in again.";

}  // namespace

struct LinkSession::State {
    State(LinkSession& s, platform::Platform& p, ui::Form& f, ui::LangTable& l)
        : session(s),
          platform(p),
          form(f),
          lang(l),
          tick(p.scheduler.createTimer()),
          answerTimeout(p.scheduler.createTimer()),
          transmitter(p.serial, p.scheduler) {}

    LinkSession& session;
    platform::Platform& platform;
    ui::Form& form;
    ui::LangTable& lang;

    std::string linkState;
    Bytes current;  // a complete frame
    Bytes next;     // raw command strings
    Bytes after;
    Bytes rx;
    int expectedLength = 0;
    int currentCommand = -1;
    int retryBudget = 0;
    int connectAttempts = kDefaultRetryBudget;
    FirmwareVariant variant = FirmwareVariant::None;
    platform::PortSettings settings;
    // The port name to store when the port of this run came from the command line.
    std::optional<std::string> storedPortName;
    bool lineFaulted = false;
    bool storeErrorReported = false;

    std::unique_ptr<platform::Timer> tick;
    std::unique_ptr<platform::Timer> answerTimeout;
    FrameTransmitter transmitter;

    ui::StatusBar& statusBar() { return form.StatusBar1; }
    bool versionShown() { return statusBar().panelText(0) != kNoVersionText; }

    void showSerialError(const platform::SerialError& error) {
        std::string text = error.message.empty() ? std::string("The serial port reported an error.") : error.message;
        // The platform's words, with the port they concern and a full stop
        // before any advice that follows.
        if (!settings.portName.empty() && text.find(settings.portName) == std::string::npos) {
            text = settings.portName + ": " + text;
        }
        if (text.back() != '.' && text.back() != '!' && text.back() != '?') text += '.';
        if (error.kind == platform::SerialErrorKind::PermissionDenied) text += kPermissionAdvice;
        platform.dialogs.message(text);
    }

    void setTickInterval(int ms) {
        if (tick->interval() != ms) tick->setInterval(ms);
    }

    std::vector<ui::MenuItem*> portMenuItems() {
        std::vector<ui::MenuItem*> items;
        for (ui::MenuItem* item : form.PortCOM.children()) {
            if (item != &form.polacz && item != &form.rozlacz1) items.push_back(item);
        }
        return items;
    }

    void tickPortItem(const std::string& name) {
        for (ui::MenuItem* item : portMenuItems()) item->setChecked(item->name() == name);
    }

    // ---- Identification ----------------------------------------------------
    // True when the version is one the tool works with; the status bar shows it.
    bool identify(std::uint8_t major, std::uint8_t minor, std::uint8_t patch) {
        if (major == kVer1Version.major && minor == kVer1Version.minor && patch == kVer1Version.patch) {
            variant = FirmwareVariant::Ver1;
        } else if (major == kVer2Version.major && minor == kVer2Version.minor && patch == kVer2Version.patch) {
            variant = FirmwareVariant::Ver2;
        } else {
            variant = FirmwareVariant::None;
            return false;
        }
        statusBar().setPanelText(
            0, "QAVI ver. " + std::to_string(major) + "." + twoDigits(minor) + "." + twoDigits(patch));
        return true;
    }

    // ---- Connect and disconnect -------------------------------------------
    void connectStep(bool retry) {
        variant = FirmwareVariant::None;
        statusBar().setPanelText(0, kNoVersionText);
        const std::string& label = statusBar().panelText(1);
        const auto colon = label.find(':');
        if (colon != std::string::npos) statusBar().setPanelText(1, label.substr(0, std::min(label.size(), colon + 2)));
        statusBar().setPanelOwnerDrawn(1, true);

        if (retry) {
            --connectAttempts;
            platform.serial.clearLineErrors();
        } else {
            connectAttempts = kDefaultRetryBudget;
        }

        form.szybkosc.setItemIndex(0);
        settings.customBaudRate = kCustomRate;
        expectedLength = 0;
        rx.clear();
        // A command queued while there was no link (its write was refused) must
        // not reach the controller found now: the settings shown after connecting
        // are the controller's, and the change would go in unseen.
        current.clear();
        next.clear();
        after.clear();
        currentCommand = -1;
        retryBudget = 0;

        if (connectAttempts <= 0) {
            disconnectStep();
            return;
        }

        const int rate = std::atoi(form.szybkosc.text().c_str());
        if (rate > 0) settings.customBaudRate = rate;
        if (auto error = platform.serial.open(settings)) {
            // A link half set up (a retry whose port vanished) would wait for ever with no timer running.
            if (!linkState.empty()) disconnectStep();
            // No link came up: the switch must not claim one.
            form.Polacz_switch.setChecked(false);
            showSerialError(error);
            return;
        }
        lineFaulted = false;
        linkState = kWaitIdent;
        tick->stop();
        answerTimeout->start();
        form.RPM_LAMBDA1.setChecked(false);
        form.RPM_LAMBDA2.setChecked(false);
        session.enterBusyMode();
        if (auto error = transmitter.TransmitFrame(IdentifyRequest())) showSerialError(error);
    }

    void disconnectStep() {
        ApplyFirmwareVariant(form, FirmwareVariant::Ver2);
        form.TabSheet10.setTabVisible(false);
        statusBar().setPanelOwnerDrawn(1, true);

        form.Error_Led.setVisible(false);
        const std::string errorsText = form.Actual_errors_Memo.text();

        transmitter.cancelPending();
        platform.serial.close();
        linkState.clear();
        currentCommand = -1;
        current.clear();
        next.clear();
        after.clear();
        retryBudget = 0;
        tick->stop();
        answerTimeout->stop();
        form.Polacz_switch.setChecked(false);

        if (session.hooks.liveFrame) session.hooks.liveFrame(Bytes(kBlankFrameLength, 0x20));
        rx.clear();

        form.Error_Led.setVisible(false);
        for (ui::MenuItem* item : {&form.Odczyt1, &form.Zapis1, &form.Reset1}) {
            item->setVisible(false);
            item->setEnabled(false);
        }
        for (ui::Led* led : {&form.rezerwa_led_gora, &form.Rezerwa_led_panel}) {
            led->setFlashing(false);
            led->setChecked(false);
        }
        for (ui::Led* led : form.cylLeds) {
            led->setOffColor(ui::colors::kGrey);
            led->setChecked(false);
        }

        storeSettingsAndLanguage();

        form.QAVI.setEnabled(true);
        form.Panel1Gora.setColor(ui::colors::kButtonFace);
        form.Zaplon_panel.setColor(ui::colors::kButtonFace);
        form.Actual_errors_Memo.setText(errorsText);
    }

    void storeSettingsAndLanguage() {
        platform::PortSettings toStore = settings;
        if (storedPortName) toStore.portName = *storedPortName;
        std::string error = storePortSettings(platform.keys, toStore);
        if (error.empty() && session.hooks.currentLanguage) {
            const bool ok = platform.keys.openKey(kLanguageKey) &&
                            platform.keys.writeText(kLanguageKey, kLanguageValue, session.hooks.currentLanguage());
            if (!ok) error = std::string("The language choice could not be stored under \"") + kLanguageKey + "\".";
        }
        // Once per run: a read-only store must not nag at every disconnect.
        if (!error.empty() && !storeErrorReported) {
            storeErrorReported = true;
            platform.dialogs.message(error);
        }
    }

    // ---- Receiving ---------------------------------------------------------
    void takeLengthFromBatch(const Bytes& batch) {
        if (batch.size() > 1) expectedLength = 256 * batch[1];
        if (batch.size() > 2) expectedLength += batch[2];
    }

    void rederiveLength() {
        if (rx.size() > 3 && rx[0] == kStartByte) expectedLength = 256 * rx[1] + rx[2];
    }

    bool rxComplete() const { return expectedLength > 0 && rx.size() == static_cast<std::size_t>(expectedLength); }

    void receive(std::size_t count) {
        Bytes batch = platform.serial.read(std::max<std::size_t>(count, 1));
        // A spurious event with nothing to read changes nothing, so the time-out keeps watching.
        if (batch.empty()) return;
        answerTimeout->stop();
        expectedLength = 0;
        for (auto& b : batch) b = UnscrambleByte(b);

        if (linkState == kWaitIdent) {
            receiveFirstIdentificationBatch(batch);
        } else if (linkState == kIdentRest) {
            rx.insert(rx.end(), batch.begin(), batch.end());
            continueIdentification();
        } else if (linkState == kWaitAnswer) {
            tick->stop();
            if (batch[0] != kStartByte) platform.dialogs.message(kInitErrorMessage);
            takeLengthFromBatch(batch);
            rx.insert(rx.end(), batch.begin(), batch.end());
            linkState = kAnswerRest;
            answerTimeout->start();
            if (rxComplete()) finishAnswer();
        } else if (linkState == kAnswerRest) {
            tick->stop();
            rx.insert(rx.end(), batch.begin(), batch.end());
            rederiveLength();
            answerTimeout->start();
            if (rxComplete()) finishAnswer();
        }
        // Any other state: nothing is expected, the bytes are dropped.
    }

    void receiveFirstIdentificationBatch(const Bytes& batch) {
        if (batch[0] != kStartByte) {
            connectStep(true);
            return;
        }
        takeLengthFromBatch(batch);
        if (batch.size() > 6 && !versionShown()) {
            if (!identify(batch[4], batch[5], batch[6])) {
                // A checked version the tool does not know is older firmware: say which caption needs more.
                if (batch.size() > 7 && batch[7] == 2 * (batch[4] + batch[5] + batch[6])) {
                    platform.dialogs.message(lang.text(kVersionTooOldRow) + form.QAVI.caption());
                }
                disconnectStep();
                return;
            }
        }
        rx.insert(rx.end(), batch.begin(), batch.end());
        linkState = kIdentRest;
        answerTimeout->start();
        continueIdentification();
    }

    void continueIdentification() {
        rederiveLength();
        if (!rxComplete()) {
            answerTimeout->start();
            return;
        }
        answerTimeout->stop();
        if (!versionShown()) {
            if (rx.size() <= 6 || !identify(rx[4], rx[5], rx[6])) {
                disconnectStep();
                return;
            }
        }
        linkState = kConnected;
        tick->start();
    }

    void finishAnswer() {
        answerTimeout->stop();
        linkState = kIdle;
        if (!current.empty() && rx.size() > 3 && current.size() > 1 && rx[3] == current[1]) {
            retryBudget = 0;
            current.clear();
        }
        if (!current.empty()) {
            --retryBudget;
            if (retryBudget <= 0) {
                disconnectStep();
                platform.dialogs.message(kTimeoutMessage);
                return;
            }
            linkState = kIdle;
            currentCommand = current[1];
        }
        tick->start();
    }

    // ---- Tick and time-out ------------------------------------------------
    void onTick() {
        const bool idleWithoutCommand = current.empty() && linkState == kIdle;
        if (idleWithoutCommand && (currentCommand == kReadSettingsCode || currentCommand == kFactoryResetCode)) {
            session.leaveBusyMode();
            handOverSettings();
            currentCommand = -1;
            if (current.empty() && next.empty() && after == kSaveMarker) {
                after.clear();
                if (session.hooks.saveMarkerReached) session.hooks.saveMarkerReached();
            }
            rx.clear();
            return;
        }
        if (idleWithoutCommand && (currentCommand == kServiceWriteCodeM || currentCommand == kServiceReadCode)) {
            if (session.hooks.serviceAnswer) {
                Bytes record;
                if (rx.size() > kServiceRecordFirst) {
                    const std::size_t end = std::min(rx.size(), kServiceRecordLast + 1);
                    record.assign(rx.begin() + kServiceRecordFirst, rx.begin() + static_cast<long>(end));
                }
                session.hooks.serviceAnswer(record);
            }
            currentCommand = -1;
            rx.clear();
            return;
        }
        if (current.empty()) currentCommand = -1;

        if (linkState == kConnected) {
            finishConnection();
            return;
        }

        tick->stop();
        if (linkState == kIdle && current.empty() && session.hooks.liveFrame) session.hooks.liveFrame(Bytes(rx));
        expectedLength = 0;
        rx.clear();
        linkState = kWaitAnswer;
        if (current.empty() && !next.empty()) {
            moveQueueForward();
            return;
        }
        const Bytes& frame = current.empty() ? PollRequest() : current;
        if (auto error = transmitter.TransmitFrame(frame)) {
            showSerialError(error);
            return;
        }
        answerTimeout->start();
    }

    void moveQueueForward() {
        Bytes command = std::move(next);
        next = std::move(after);
        after.clear();
        // The save marker asks for a file, it is never a command for the controller.
        if (next == kSaveMarker) {
            after = std::move(next);
            next.clear();
        }
        retryBudget = kMapRetryBudget;
        const Bytes second = next;
        const Bytes third = after;
        session.QueueCommand(command, second, third);
    }

    // The receivers get their own copy: they may queue commands or drop the link, which touches RxBuffer.
    void handOverSettings() {
        if (session.hooks.settingsAnswer) session.hooks.settingsAnswer(Bytes(rx));
    }

    void finishConnection() {
        // The variant's control limits come first: rendered against the design
        // limits, a ver_2 change-over time above 60 s would show as 60.
        if (variant != FirmwareVariant::None) ApplyFirmwareVariant(form, variant);
        handOverSettings();
        rx.clear();
        linkState = kIdle;
        form.Polacz_switch.setChecked(true);
        form.Polacz_switch.setOnText(settings.portName + " - ON");
        form.rezerwa_led_gora.setFlashing(true);
        form.Rezerwa_led_panel.setFlashing(true);
        for (ui::MenuItem* item : {&form.Odczyt1, &form.Zapis1, &form.Reset1}) {
            item->setVisible(true);
            item->setEnabled(true);
        }
        session.leaveBusyMode();
    }

    void onAnswerTimeout() {
        form.QAVI.setEnabled(true);
        form.Zaplon_panel.setColor(ui::colors::kButtonFace);
        form.Panel1Gora.setColor(ui::colors::kButtonFace);
        answerTimeout->stop();
        const auto identifying = [this] { return linkState == kWaitIdent || linkState == kIdentRest; };
        if (connectAttempts > 0 && identifying()) connectStep(true);
        if (connectAttempts <= 0 || !identifying()) {
            disconnectStep();
            platform.dialogs.message(lang.text(kNoLpgControllerRow));
        }
    }

    // ---- Start-up ------------------------------------------------------------
    void resetLinkValues() {
        linkState.clear();
        current.clear();
        next.clear();
        after.clear();
        rx.clear();
        expectedLength = 0;
        currentCommand = -1;
        connectAttempts = kDefaultRetryBudget;
        retryBudget = 0;
        variant = FirmwareVariant::None;
        tick->stop();
        answerTimeout->stop();
    }

    void buildPortMenu() {
        std::vector<std::string> listed;
        if (auto ports = platform.serial.listPorts()) listed = *ports;
        const PortMenuLayout layout = layoutPortMenu(cleanPortNames(listed));

        if (layout.useDesignItems) {
            for (const std::string& name : layout.itemNames) {
                for (ui::MenuItem* item : portMenuItems()) {
                    if (item->name() == name) item->setCaption(name);
                }
            }
        }
        for (ui::MenuItem* item : portMenuItems()) {
            if (item->caption().rfind("COM", 0) != 0) form.PortCOM.removeChild(*item);
        }
        if (layout.useDesignItems) return;

        for (const std::string& name : layout.itemNames) {
            ui::MenuItem* item = nullptr;
            for (auto& existing : form.portItems) {
                if (existing->name() == name) item = existing.get();
            }
            if (!item) {
                form.portItems.push_back(std::make_unique<ui::MenuItem>(form, name, &form.PortCOM, name));
                item = form.portItems.back().get();
                wirePortItem(*item);
            }
            // Port items belong in front of the two actions (the constructor appends).
            form.PortCOM.removeChild(*item);
            const auto& children = form.PortCOM.children();
            const auto at = std::find(children.begin(), children.end(), &form.polacz) - children.begin();
            form.PortCOM.insertChild(static_cast<std::size_t>(at), *item);
        }
    }

    void wirePortItem(ui::MenuItem& item) {
        item.onClick = [this, &item] { session.zmien_port_COM(item.name()); };
    }

    void writeMapGridHeaders() {
        ui::Grid& grid = form.MAPGrid;
        const char separator = platform.locale.decimalSeparator();
        for (int r = 1; r <= 256 && r < grid.rowCount(); ++r)
            grid.setCellText(0, r, hundredthsText(256 - r, separator));
        for (int c = 1; c <= 246 && c < grid.colCount(); ++c)
            grid.setCellText(c, 0, hundredthsText((c + 9) * 10, separator));
        grid.endUpdate();
    }

    bool smallScreen() const { return platform.screen.width() <= 800; }
};

LinkSession::LinkSession(platform::Platform& platform, ui::Form& form, ui::LangTable& lang)
    : state_(std::make_unique<State>(*this, platform, form, lang)) {
    State& s = *state_;
    s.tick->setInterval(kTickIntervalMs);
    s.answerTimeout->setInterval(kAnswerTimeoutMs);
    s.tick->onTimeout = [this] { Timer_CountTimer(); };
    s.answerTimeout->onTimeout = [this] { Timer_Czekaj_na_odczytTimer(); };
    s.transmitter.onLateWriteError = [this](const platform::SerialError& e) { state_->showSerialError(e); };
    platform.serial.onBytesReceived = [this](std::size_t count) { ComPort1RxChar(count); };
    platform.serial.onError = [this](const platform::SerialError& e) { handleLineFault(e); };

    form.polacz.onClick = [this] { polaczClick(); };
    form.rozlacz1.onClick = [this] { rozlacz1Click(); };
    form.Exit1.onClick = [this] { Exit1Click(); };
    form.Polacz_switch.onStatusChanged = [this] { Polacz_switchStatusChanged(); };
    for (auto& item : form.portItems) s.wirePortItem(*item);
}

LinkSession::~LinkSession() {
    platform::SerialPort& serial = state_->platform.serial;
    serial.onBytesReceived = nullptr;
    serial.onError = nullptr;
}

// ---- What other parts use ----------------------------------------------------

void LinkSession::setRetryBudget(int budget) { state_->retryBudget = budget; }
int LinkSession::retryBudget() const { return state_->retryBudget; }

void LinkSession::QueueCommand(const Bytes& first, const Bytes& second, const Bytes& third) {
    State& s = *state_;
    if (first.empty()) return;  // a command string has at least its code
    Bytes frame = BuildFrame(first, hooks.serviceFields);
    --s.retryBudget;
    s.tick->stop();
    // A budget that was not set (0 or below) must not retry for ever.
    if (s.retryBudget <= 0) {
        s.disconnectStep();
        s.platform.dialogs.message(kTimeoutMessage);
        return;
    }
    if (!second.empty()) s.next = second;
    if (!third.empty()) s.after = third;
    s.current = std::move(frame);
    s.linkState = kIdle;
    s.currentCommand = s.current[1];
    s.tick->start();
}

void LinkSession::setNextCommand(const Bytes& command) { state_->next = command; }

void LinkSession::enterBusyMode() {
    State& s = *state_;
    s.form.QAVI.setEnabled(false);
    s.form.Panel1Gora.setColor(ui::colors::kGrey);
    s.form.Zaplon_panel.setColor(ui::colors::kGrey);
    s.setTickInterval(s.tick->interval() | kBusyIntervalBit);
}

void LinkSession::leaveBusyMode() {
    State& s = *state_;
    s.form.QAVI.setEnabled(true);
    s.form.Panel1Gora.setColor(ui::colors::kButtonFace);
    s.form.Zaplon_panel.setColor(ui::colors::kButtonFace);
    s.setTickInterval(s.tick->interval() & 0x3FF);
}

FirmwareVariant LinkSession::firmwareVariant() const { return state_->variant; }
bool LinkSession::portOpen() const { return state_->platform.serial.isOpen(); }
const std::string& LinkSession::linkState() const { return state_->linkState; }
bool LinkSession::busy() const { return (state_->tick->interval() & kBusyIntervalBit) != 0; }
std::string LinkSession::versionText() const { return state_->form.StatusBar1.panelText(0); }
int LinkSession::currentCommand() const { return state_->currentCommand; }
int LinkSession::connectAttempts() const { return state_->connectAttempts; }
const Bytes& LinkSession::rxBuffer() const { return state_->rx; }
const platform::PortSettings& LinkSession::portSettings() const { return state_->settings; }
platform::Timer& LinkSession::tickTimer() { return *state_->tick; }
platform::Timer& LinkSession::answerTimer() { return *state_->answerTimeout; }

// ---- Handlers of the window ------------------------------------------------

void LinkSession::FormCreate() {
    State& s = *state_;
    s.resetLinkValues();
    if (s.smallScreen()) s.form.QAVI.setMinimizeButton(false);

    s.buildPortMenu();
    s.platform.serial.close();
    const auto items = s.portMenuItems();
    s.settings.portName = items.empty() ? std::string() : items.front()->name();
    s.connectAttempts = kDefaultRetryBudget;

    LoadedPortSettings loaded = loadPortSettings(s.platform.keys, s.settings);
    s.settings = loaded.settings;
    if (!loaded.error.empty()) {
        s.platform.dialogs.message(loaded.error);
        return;
    }
    s.tickPortItem(s.settings.portName);

    std::string language;
    if (s.platform.keys.openKey(kLanguageKey)) {
        language = s.platform.keys.readText(kLanguageKey, kLanguageValue).value_or("");
    }
    if (language.empty()) language = "PolskiPL";
    const bool known = std::any_of(s.form.languageItems.begin(), s.form.languageItems.end(),
                                   [&](const ui::MenuItem* item) { return item && item->name() == language; });
    if (known && hooks.applyStoredLanguage) hooks.applyStoredLanguage(language);

    s.form.RPM_zegar.setDialLook(300, 2);
    s.writeMapGridHeaders();
}

void LinkSession::FormPaint() {
    State& s = *state_;
    if (!s.smallScreen()) return;
    s.form.QAVI.moveTo(3, 0);
    s.platform.screen.hideTaskbar();
}

void LinkSession::FormClose() {
    State& s = *state_;
    if (s.smallScreen()) s.platform.screen.restoreTaskbar();
    s.tick->stop();
    s.answerTimeout->stop();
    s.platform.serial.close();
    s.disconnectStep();
}

void LinkSession::Exit1Click() {
    if (hooks.closeWindow) hooks.closeWindow();
}

void LinkSession::zmien_port_COM(const std::string& portName) {
    State& s = *state_;
    s.platform.serial.close();
    s.settings.portName = portName;
    s.storedPortName.reset();
    s.settings.baudMode = platform::BaudMode::Custom;
    s.tickPortItem(portName);
    if (auto error = s.platform.serial.open(s.settings)) {
        // Reported once here; the connect step would only fail the same way again.
        s.showSerialError(error);
        return;
    }
    polaczClick();
}

void LinkSession::polaczClick() { state_->connectStep(false); }
void LinkSession::rozlacz1Click() { state_->disconnectStep(); }

void LinkSession::Polacz_switchStatusChanged() {
    State& s = *state_;
    ui::Switch& sw = s.form.Polacz_switch;
    if (s.settings.portName.empty()) {
        // Nothing to connect to: the switch must not show a link that is not there.
        sw.setChecked(false);
        return;
    }
    if (sw.checked()) {
        sw.setOnText("COM x");
        polaczClick();
    } else {
        rozlacz1Click();
    }
}

void LinkSession::ComPort1RxChar(std::size_t count) { state_->receive(count); }
void LinkSession::Timer_CountTimer() { state_->onTick(); }
void LinkSession::Timer_Czekaj_na_odczytTimer() { state_->onAnswerTimeout(); }

void LinkSession::connectTo(const std::string& portName) {
    State& s = *state_;
    if (!s.storedPortName) s.storedPortName = s.settings.portName;
    s.settings.portName = portName;
    s.settings.baudMode = platform::BaudMode::Custom;
    s.tickPortItem(portName);
    polaczClick();
}

void LinkSession::handleLineFault(const platform::SerialError& error) {
    State& s = *state_;
    // The driver may report the same loss many times; the first report drops the link.
    if (s.lineFaulted || (s.linkState.empty() && !s.platform.serial.isOpen())) return;
    s.lineFaulted = true;
    s.disconnectStep();
    s.showSerialError(error);
}

// ---- Firmware-dependent parts of the window --------------------------------

void ApplyFirmwareVariant(ui::Form& form, FirmwareVariant variant) {
    if (variant == FirmwareVariant::None) return;
    const bool ver2 = variant == FirmwareVariant::Ver2;
    form.GroupBox15.setVisible(ver2);
    form.Min_Temp_Petrol_changer.setVisible(ver2);
    form.RPM_Min_To_Petrol.setVisible(ver2);
    form.Panel_korekta.setVisible(ver2);
    form.StatusBar1.setPanelOwnerDrawn(1, !ver2);
    form.TabSheet10.setTabVisible(ver2);
    if (!ver2) form.tab_control.setActivePage(&form.TabSheet1);
    form.TabSheet11.setTabVisible(!ver2);
    const int limit = ver2 ? 300 : 60;
    form.T_przel_to_LPG.setDigitalTo(limit);
    form.T_przel_to_LPG.setValueTo(limit);
}

}  // namespace qavi::link
