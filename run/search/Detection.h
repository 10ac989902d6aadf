#pragma once
// Interface searches: Velleman cards, the Kelvanor module, the Arduino; the
// search buttons and the periodic search TimerConnect. Each search shows its
// result in the search lamps of the main window (ladderView) and of the
// dashboard (dashboardView). A search started while one of the same kind is
// still running (it yields inside) is refused.

#include <QString>

#include <functional>

#include "VbTimer.h"

namespace tamberlo {

void AangeslotenVelleman();
void AangeslotenKelvanorEmber();
void AangeslotenICP12();

// The main window's search buttons.
void CMDZoekVelleman_Click();
void CMDZoekBrask_Click();
void CMDZoekiCP12_Click();

// The periodic search: interval 10, 30 or 60 s as the settings window sets
// it; disabled until then. Its tick searches the ticked kinds.
VbTimer& TimerConnect();
void TimerConnect_Timer();

// The settings window's check boxes CheckVelleman, CheckBrask and CheckiCP12
// (1 ticked, 0 not): the only record of what the periodic search covers.
// The settings window writes them when they change.
struct PeriodicSearch {
    int CheckVelleman = 0;
    int CheckBrask = 0;
    int CheckiCP12 = 0;
};
PeriodicSearch& periodicSearch();

// What the searches do to the splash window: its search animation on or off,
// and the module's picture (a file of the picture folder) on its button
// CMD_Brask. Tests put their own in place.
struct SplashSearchHooks {
    std::function<void(bool)> Timer_Zoek_Interface;
    std::function<void(const QString&)> CMD_Brask;
};
SplashSearchHooks& splashSearchHooks();

// Cards that stopped answering during a run: out of the mask, lamps red, one message.
void VellemanCardsLost(int cards);

}  // namespace tamberlo
