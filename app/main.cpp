// Tamberlo: the splash window's first load is the program's start-up; after
// it the main window runs until Afsluiten ends the process.
#include <QApplication>

#include "ProcessSetup.h"
#include "Services.h"
#include "SplashWindow.h"
#include "Windows.h"
#include "Yielding.h"

int main(int argc, char** argv) {
    tamberlo::SetUpProcess();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);             // only Afsluiten ends the program
    tamberlo::InstallServices(tamberlo::Services{});  // the real services throughout
    const bool withoutArguments = QCoreApplication::arguments().size() <= 1;
    tamberlo::splashWindow().Load(withoutArguments);
    if (tamberlo::AppEnding()) return 0;
    return app.exec();
}
