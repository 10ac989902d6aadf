#include "Detection.h"

namespace tamberlo {

void AangeslotenVelleman() {}
void AangeslotenKelvanorEmber() {}
void AangeslotenICP12() {}

}  // namespace tamberlo
