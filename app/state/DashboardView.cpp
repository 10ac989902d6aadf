#include "DashboardView.h"

namespace tamberlo {

DashboardView dashboardView;

DashboardView::DashboardView() {
    tijdTimerColor.fill(0xFFC0C0);
    anaUitDecimaal.fill(QStringLiteral("0"));
}

}  // namespace tamberlo
