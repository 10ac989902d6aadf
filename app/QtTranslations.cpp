#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "SharedState.h"

namespace tamberlo {

void ApplyQtLanguage() {
    static QTranslator* dutch = nullptr;
    static bool installed = false;
    if (shared.TaalVlag) {
        if (installed) QCoreApplication::removeTranslator(dutch);
        installed = false;
        return;
    }
    if (installed) return;
    if (!dutch) {
        dutch = new QTranslator(QCoreApplication::instance());
        if (!dutch->load(QLocale(QLocale::Dutch), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return;  // not installed: Qt's texts stay English
    }
    if (dutch->isEmpty()) return;
    installed = QCoreApplication::installTranslator(dutch);
}

}  // namespace tamberlo
