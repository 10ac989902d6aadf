#include "DashboardView.h"

namespace tamberlo {

DashboardView dashboardView;

DashboardView::DashboardView() {
    timeTimerColor.fill(0xFFC0C0);
    for (auto* a : {&analogInDecimal, &analogOutDecimal, &analogInDecimalNetwork, &analogOutDecimalNetwork})
        a->fill(QStringLiteral("0"));
}

}  // namespace tamberlo
