#pragma once
// The toolbar's file commands: read a ladder, write it, clear it.

namespace tamberlo {

void CommandLezen();
void CommandSchrijven();
void CommandWissen();

}  // namespace tamberlo
