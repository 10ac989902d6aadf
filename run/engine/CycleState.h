#pragma once
// What a scan cycle can change that the next cycle reads: the results, the
// ladder's state, the output images and the input images. When one cycle
// leaves all of it as it was, the next can only differ through an event, a
// polled input or the clock, so the loop may wait for an event a little.

#include "SharedState.h"

namespace tamberlo {

struct CycleState {
    decltype(SharedState::ConditieResultaat) ConditieResultaat;
    decltype(SharedState::ActieUitgevoerd) ActieUitgevoerd;
    decltype(SharedState::GeheugenToestand) GeheugenToestand;
    decltype(SharedState::Variabelen) Variabelen;
    decltype(SharedState::TimerUitgang) TimerUitgang;
    decltype(SharedState::TimerResterend) TimerResterend;
    decltype(SharedState::IngangDigitaal) IngangDigitaal;
    decltype(SharedState::IngangDigitaalNetw) IngangDigitaalNetw;
    decltype(SharedState::IngangAnaloog) IngangAnaloog;
    decltype(SharedState::IngangAnaloogNetw) IngangAnaloogNetw;
    decltype(SharedState::ToetsToestand) ToetsToestand;
    decltype(SharedState::UitgangDigitaal) UitgangDigitaal;
    decltype(SharedState::VellemanUitByte) VellemanUitByte;
    decltype(SharedState::AnaloogUitA1) AnaloogUitA1;
    decltype(SharedState::AnaloogUitA2) AnaloogUitA2;
    decltype(SharedState::PoortUitByte) PoortUitByte;
    decltype(SharedState::ModuleUitByte) ModuleUitByte;
    decltype(SharedState::NetwUitgangen) NetwUitgangen;
    decltype(SharedState::NetwUitgangenVerzonden) NetwUitgangenVerzonden;
    decltype(SharedState::NetwAnaUitgangen) NetwAnaUitgangen;
    decltype(SharedState::NetwAnaUitgangenVerzonden) NetwAnaUitgangenVerzonden;
    Integer ArduinoUitByte = 0;
    Integer ModuleIngangWoord = 0;
    Integer DuWacht = 0;
    Integer AuWacht = 0;
    Integer ProgrammaStatus = 0;
    Integer Verbindingsstatus = 0;

    bool operator==(const CycleState&) const = default;

    static CycleState Of(const SharedState& s) {
        return {s.ConditieResultaat,
                s.ActieUitgevoerd,
                s.GeheugenToestand,
                s.Variabelen,
                s.TimerUitgang,
                s.TimerResterend,
                s.IngangDigitaal,
                s.IngangDigitaalNetw,
                s.IngangAnaloog,
                s.IngangAnaloogNetw,
                s.ToetsToestand,
                s.UitgangDigitaal,
                s.VellemanUitByte,
                s.AnaloogUitA1,
                s.AnaloogUitA2,
                s.PoortUitByte,
                s.ModuleUitByte,
                s.NetwUitgangen,
                s.NetwUitgangenVerzonden,
                s.NetwAnaUitgangen,
                s.NetwAnaUitgangenVerzonden,
                s.ArduinoUitByte,
                s.ModuleIngangWoord,
                s.DuWacht,
                s.AuWacht,
                s.ProgrammaStatus,
                s.Verbindingsstatus};
    }
};

}  // namespace tamberlo
