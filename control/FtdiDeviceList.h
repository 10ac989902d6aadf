#pragma once
// The process-wide list of FTDI devices: built by each search, freed when
// every channel closes. Window thread only.

#include <cstdint>
#include <vector>

#include "FtdiLibrary.h"

namespace kelvanor {

// Frees an old list and builds a new one; returns the library's count (or
// its status when listing failed). A failure or a count of 0 leaves no list.
int ListFtdiDevices();
void FreeFtdiDevices();
int FtdiDeviceCount();
// Record `i` of the list, nullptr outside it.
tamberlo::FtdiDeviceInfo* FtdiDevice(int i);

}  // namespace kelvanor
