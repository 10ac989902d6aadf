#pragma once
#include <QString>

namespace tamberlo {

// The program's folder: where Tamberlo.ini, Poortsettings.dat and the picture
// folder Afbeeldingen live. The environment variable TAMBERLO_HOME overrides
// it (tests point it at a temporary folder); otherwise it is the folder of
// the executable. No trailing slash.
QString AppPath();

// A file in the picture folder: AppPath() + "/Afbeeldingen/" + name.
QString PicturePath(const QString& name);

}  // namespace tamberlo
