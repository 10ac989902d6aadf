#pragma once
// Interface searches: Velleman cards, the Kelvanor module, the Arduino.

namespace tamberlo {

void AangeslotenVelleman();
void AangeslotenKelvanorEmber();
void AangeslotenICP12();

}  // namespace tamberlo
