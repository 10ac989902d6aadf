#include "PropertyPage.h"

namespace kelvanor {

// Until the page exists the properties verb shows nothing.
void ShowPropertyPage(CKelvanorCtrl&) {}

}  // namespace kelvanor
