#pragma once
// Finding the Arduino's serial port and greeting the sketch: the port test
// COM_Available, the scan ZoekComPoorten that fills the port lists of the
// settings and splash windows, and the hello ICP_Connect.
//
// The port lists are kept here as plain models; the windows that show a
// list paint it from its model and report a choice through
// Combo_Beschikbare_Com_Poorten_Click.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace tamberlo {

// A drop-down list of COM port numbers (Combo_Beschikbare_Com_Poorten).
struct ComPortList {
    QStringList items;   // port numbers as decimal text
    QString text;        // the text shown in the box
    int listIndex = -1;  // the selected entry, -1 none
    std::uint64_t revision = 0;
    void changed() { ++revision; }
};

ComPortList& SettingsComPorts();  // on the settings window
ComPortList& SplashComPorts();    // on the splash window

inline const QString kNoPortsFound = QStringLiteral("Geen poorten gevonden.");

// True when COM n exists now; opens nothing that could reset a board.
bool COM_Available(std::int16_t n);

// Rebuilds the port lists and selects the first port found (which opens it
// and says hello), or sets ICP12Poort := 0 when there is none.
void ZoekComPoorten();

// The settings window's list selection: closes the port, takes the chosen
// number as ICP12Poort and as the port of iCP_MS_Comm, and says hello.
void Combo_Beschikbare_Com_Poorten_Click(int listIndex);

// Opens iCP_MS_Comm when closed, waits 2 s, sends "90/", waits 2 s, handling
// events meanwhile. A port that cannot be opened ends the hello at once and
// leaves the link closed.
void ICP_Connect(int port);

// Called once per port number scanned while the splash has not been shown
// yet (the splash's progress bar moves one step).
void SetSplashProgressStep(std::function<void()> step);

}  // namespace tamberlo
