#pragma once
// Output actions: carries out the output operation of action row r on its interface.

namespace tamberlo {

void UitgangActie(int r);

}  // namespace tamberlo
