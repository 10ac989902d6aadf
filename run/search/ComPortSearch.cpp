#include "ComPortSearch.h"

#include "ArduinoLink.h"
#include "ArduinoProtocol.h"
#include "ComPortNames.h"
#include "SharedState.h"
#include "Yielding.h"

namespace tamberlo {

namespace {
std::function<void()> splashStep;
// True while ICP_Connect waits: a port chosen meanwhile is ignored, so the
// hello under way is not cut off by closing its port.
bool connecting = false;
}  // namespace

ComPortList& SettingsComPorts() {
    static ComPortList list{{}, QStringLiteral("Selecteer een COM poort"), -1, 0};
    return list;
}

ComPortList& SplashComPorts() {
    static ComPortList list;
    return list;
}

void SetSplashProgressStep(std::function<void()> step) { splashStep = std::move(step); }

bool COM_Available(std::int16_t n) { return ComPortPresent(n); }

void ZoekComPoorten() {
    if (connecting) return;  // the hello under way keeps its port
    ComPortList& settings = SettingsComPorts();
    ComPortList& splash = SplashComPorts();
    settings.items.clear();
    settings.listIndex = -1;
    settings.changed();

    if (iCP_MS_Comm().PortOpen()) iCP_MS_Comm().Close();
    ResetArduinoLink();  // half a reply of the old port must not join the new one

    for (int n = 1; n <= kHighestComPort; ++n) {
        if (COM_Available(static_cast<std::int16_t>(n))) {
            settings.items.append(QString::number(n));
            // The splash's list is never cleared: each search adds its ports again.
            splash.items.append(QString::number(n));
        }
        if (!shared.SplashGetoond && splashStep) splashStep();
    }
    splash.changed();
    settings.changed();

    if (!settings.items.isEmpty()) {
        Combo_Beschikbare_Com_Poorten_Click(0);
    } else {
        settings.text = kNoPortsFound;
        splash.text = kNoPortsFound;
        settings.changed();
        splash.changed();
        shared.ICP12Poort = 0;
    }
}

void Combo_Beschikbare_Com_Poorten_Click(int listIndex) {
    ComPortList& list = SettingsComPorts();
    if (connecting) {
        list.changed();  // the list shows the port under way again
        return;
    }
    if (listIndex < 0 || listIndex >= list.items.size()) return;
    list.listIndex = listIndex;
    list.text = list.items.at(listIndex);
    list.changed();

    if (iCP_MS_Comm().PortOpen()) iCP_MS_Comm().Close();
    ResetArduinoLink();
    bool ok = false;
    const int n = list.text.toInt(&ok);
    shared.ICP12Poort = ok && n >= 1 && n <= kHighestComPort ? static_cast<Integer>(n) : 0;
    iCP_MS_Comm().SetCommPort(shared.ICP12Poort);
    ICP_Connect(shared.ICP12Poort);
}

void ICP_Connect(int /*port: the one already set on iCP_MS_Comm*/) {
    if (connecting) return;
    SerialPortControl& port = iCP_MS_Comm();
    if (!port.PortOpen() && !port.Open()) return;  // gone or taken since the scan
    connecting = true;
    struct Done {
        ~Done() { connecting = false; }
    } done;
    WaitSeconds(2.0);
    // The port may have been closed or lost while we waited.
    if (!port.PortOpen()) return;
    port.Output(kArduinoHello);
    WaitSeconds(2.0);
}

}  // namespace tamberlo
