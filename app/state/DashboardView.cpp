#include "DashboardView.h"

namespace tamberlo {

DashboardView dashboardView;

DashboardView::DashboardView() {
    tijdTimerColor.fill(0xFFC0C0);
    for (auto* a : {&anaInDecimaal, &anaUitDecimaal, &anaInDecimaalNetw, &anaUitDecimaalNetw}) a->fill(QStringLiteral("0"));
}

}  // namespace tamberlo
