#include "Dashboard.h"

namespace tamberlo {

DashboardWindow::DashboardWindow(QWidget* parent) : QWidget(parent) {}

void DashboardWindow::SetHeightTwips(int twips) { resize(width(), twips / 15); }

DashboardWindow& Dashboard() {
    static DashboardWindow* w = new DashboardWindow;  // lives as long as the program
    return *w;
}

}  // namespace tamberlo
