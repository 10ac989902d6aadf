// Tamberlo: the splash window's first load is the program's start-up; after
// it the main window runs until Afsluiten ends the process.
#include <QApplication>

#include "SplashWindow.h"
#include "Vensters.h"
#include "Yielding.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);  // only Afsluiten ends the program
    const bool zonderArgumenten = QCoreApplication::arguments().size() <= 1;
    tamberlo::SplashVenster().Laden(zonderArgumenten);
    if (tamberlo::AppEnding()) return 0;
    return app.exec();
}
