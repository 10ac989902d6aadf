#pragma once
// The control's property page (the five settings of Kelvanor.ini). Shown by
// ShowProperties; it edits the control given (the control constructed last,
// g_pCtrl, when the host's property frame opens it).

namespace kelvanor {

class CKelvanorCtrl;

void ShowPropertyPage(CKelvanorCtrl& control);

}  // namespace kelvanor
