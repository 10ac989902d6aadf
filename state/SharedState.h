#pragma once
// The program's module-level data: the ladder tables, the run state, the
// input and output images and the flags that several windows share. All of
// it lives on the window thread and is touched only between event points, so
// it needs no locks. Arrays keep the index bounds the program uses (element 0
// of a "1 To n" array is unused) so that the code reads like the ladder.

#include <QString>

#include <array>
#include <cstdint>

namespace tamberlo {

using Integer = std::int16_t;
using Long = std::int32_t;

constexpr int kConditions = 270;  // condition cells 1..270
constexpr int kRungs = 90;        // rungs and action rows 1..90 (row 0: start only)
constexpr int kConditionColumns = 6;
constexpr int kActionColumns = 10;

// Index groups of the digital images: Velleman cards 0..3, parallel ports
// 1..3 at 4..6, the Kelvanor module at 7, the Arduino at 9 locally and 8 in
// the network images.
constexpr int kGroupKelvanor = 7;
constexpr int kGroupArduinoLocal = 9;
constexpr int kGroupArduinoNetwork = 8;

struct SharedState {
    // ---- the ladder program -------------------------------------------------
    std::array<std::array<Integer, kConditionColumns>, kConditions + 1> Condities{};
    std::array<std::array<Integer, kActionColumns>, kRungs + 1> Acties{};
    std::array<QString, kRungs + 1> GeluidMappen;
    std::array<QString, kRungs + 1> GeluidBestanden;

    // The ladder as it was last read, written or cleared (UnsavedLadder.h).
    struct SavedLadder {
        std::array<std::array<Integer, kConditionColumns>, kConditions + 1> conditions{};
        std::array<std::array<Integer, kActionColumns>, kRungs + 1> actions{};
        std::array<QString, kRungs + 1> soundFolders;
        std::array<QString, kRungs + 1> soundFiles;
    } savedLadder;

    // ---- editing and presence -----------------------------------------------
    Integer BewerkNummer = 0;
    bool ConditiesAanwezig = false;
    bool ActiesAanwezig = false;
    bool PanelVulBezig = false;
    bool TabVulBezig = false;
    bool TijdVulBezig = false;   // the time panel's spinners are being set from code
    bool DagenVulBezig = false;  // the time panel's weekday boxes are being set from code

    // ---- run state and ladder state -----------------------------------------
    Integer ProgrammaStatus = 0;  // 0 stopped, 1 running, 2 paused
    std::array<bool, 8> GeheugenToestand{};
    std::array<Integer, 4> Variabelen{};  // 1..3 = A, B, C
    std::array<bool, 8> TimerUitgang{};
    std::array<Long, 8> TimerResterend{};  // ms left of each ladder timer's period
    std::array<bool, kConditions + 1> ConditieResultaat{};
    std::array<bool, kRungs + 1> ActieUitgevoerd{};
    Integer ActiviteitNiveau = 0;

    // ---- language, network peer, settings -----------------------------------
    bool TaalVlag = false;  // true English, false Dutch
    QString NetwerkAdres;
    Long NetwerkPoort = 120;
    Integer Verbindingsstatus = 0;  // 0 not connected, 3 connecting, 1 connected
    Integer DuWacht = 0;            // -1 while a "du" waits for "cd"
    Integer AuWacht = 0;            // -1 while an "au" waits for "ca"

    // ---- interfaces found ---------------------------------------------------
    Integer VellemanKaartMasker = 0;
    Integer ModuleAanwezig = 0;
    QString ICP12Type;
    Integer ICP12Poort = 0;
    std::array<Long, 3> ParallellePoortAdressen{0x378, 0x278, 0x3BC};

    // ---- input images -------------------------------------------------------
    std::array<std::array<Integer, 9>, 10> IngangDigitaal{};     // (group 0..9, input 0..8), non-zero on
    std::array<std::array<Integer, 9>, 9> IngangDigitaalNetw{};  // (group 0..8, input 0..8), -1 on
    std::array<Long, 8> IngangAnaloog{};                         // card c: A1 at c, A2 at 4 + c
    std::array<Long, 8> IngangAnaloogNetw{};
    std::array<bool, 8> ToetsToestand{};  // F1..F8 held down
    Integer ModuleIngangWoord = 0;
    // Last word taken from each polled interface (0..3 cards, 4..6 ports,
    // 7 the module): bits are spread into the image only when it changes.
    std::array<Integer, 9> InterfaceWoord{};
    std::array<Integer, 10> AnaloogVorige{};  // card c: A1 at c, A2 at c + 5, as last shown

    // ---- output images ------------------------------------------------------
    // Rows 0..3 Velleman cards, 4..6 parallel ports 1..3, 7 the Kelvanor
    // module, 8 the Arduino; columns 1..8 the outputs.
    std::array<std::array<bool, 9>, 9> UitgangDigitaal{};
    std::array<Integer, 4> VellemanUitByte{};
    std::array<Integer, 4> AnaloogUitA1{};
    std::array<Integer, 4> AnaloogUitA2{};
    std::array<Integer, 4> PoortUitByte{};            // 1..3
    std::array<Integer, 4> ModuleUitByte{};           // per module code 40..43
    std::array<Integer, 4> ModuleUitByteVerzonden{};  // the byte last taken over for sending
    Integer ArduinoUitByte = 0;
    // The byte the output actions last sent to the module (-1 none): when the
    // module was last given another byte (all outputs off, a search), the
    // next module action sends its byte again.
    int ModuleOwnSent = -1;
    std::array<Integer, 9> NetwUitgangen{};
    std::array<Integer, 9> NetwUitgangenVerzonden{};
    std::array<std::array<Long, 3>, 4> NetwAnaUitgangen{};  // (card, channel 1..2)
    std::array<std::array<Long, 3>, 4> NetwAnaUitgangenVerzonden{};

    // ---- windows ------------------------------------------------------------
    bool SplashGetoond = false;
    bool KnopAccent = false;
    bool ResizeBezig = false;
    double SchaalX = 1.0;
    double SchaalY = 1.0;

    // ---- printing -----------------------------------------------------------
    QString PrintNaam;
    QString PrintAfdeling;
};

// The one instance. Tests reset it with `shared = SharedState{}`.
extern SharedState shared;

// Rung of condition cell i (1..270) and its column 0..2.
constexpr int RungOfCell(int i) { return (i + 2) / 3; }
constexpr int ColumnOfCell(int i) { return (i - 1) % 3; }

}  // namespace tamberlo
