#include "CaptionTable.h"

namespace tamberlo {

namespace {
// PanelKop(i) heads a column of the local frame; PanelKopNetw(i) of the
// peer's frame takes the same text. CMDToonNetwerk offers what it will do:
// "/shown" while the peer's section is shown, "/hidden" otherwise.
constexpr CaptionRow kRows[] = {
    {"FrameInUitLokaal", "In- en Uitgangen Deze pc.", "In- and Outputs Local pc."},
    {"FrameInUitNetwerk", "In- en Uitgangen Netwerk pc.", "In- and Outputs Network pc."},
    {"PanelKop(1)", "Velleman Uit", "Velleman Out"},
    {"PanelKop(3)", "Velleman Uit", "Velleman Out"},
    {"PanelKop(2)", "Velleman In", "Velleman In"},
    {"PanelKop(4)", "Velleman In", "Velleman In"},
    {"PanelKop(5)", "Parallel Uit", "Parallel Out"},
    {"PanelKop(6)", "Parallel In", "Parallel In"},
    {"PanelKop(7)", "Brask Ember Uit", "Brask Ember Out"},
    {"PanelKop(8)", "Brask Ember In", "Brask Ember In"},
    {"CHKAltijdBoven", "Altijd op de voorgrond.", "Always on top."},
    {"CMDToonNetwerk/shown", "Verberg de status van de netwerk pc.", "Hide the status of the network pc."},
    {"CMDToonNetwerk/hidden", "Toon de status van de netwerk pc.", "Show the status of the network pc."},
    {"CMDDashboardSluiten", "Sluiten", "Close"},
};
}  // namespace

CaptionTable dashboardCaptions() { return kRows; }

}  // namespace tamberlo
