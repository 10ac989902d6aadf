#include "PrintFont.h"

#include <QStringList>

namespace tamberlo {

void InstallPrintFontSubstitution() {
    static const bool installed = [] {
        QFont::insertSubstitutions(kPrintFontName, QStringList{QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans")});
        return true;
    }();
    (void)installed;
}

QFont PrintFont(const QString& name, double points) {
    InstallPrintFontSubstitution();
    QFont font(name);
    font.setPointSizeF(points);
    return font;
}

}  // namespace tamberlo
