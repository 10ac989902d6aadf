#pragma once
// The program's own version numbers and the texts built from them.

#include <QString>

namespace tamberlo {

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 0;

// "1.0.0": major, minor and revision in plain decimal joined by ".".
QString VersionNumber();

// The product, maker and copyright texts of the version information.
QString ProductName();
QString MakerName();
QString MakerDomain();
QString Copyright();

}  // namespace tamberlo
