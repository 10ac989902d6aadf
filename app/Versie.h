#pragma once
// The program's own version numbers and the texts built from them.

#include <QString>

namespace tamberlo {

constexpr int kVersieMajor = 1;
constexpr int kVersieMinor = 0;
constexpr int kVersieRevisie = 0;

// "1.0.0": major, minor and revision in plain decimal joined by ".".
QString VersieNummer();

// The product, maker and copyright texts of the version information.
QString ProductNaam();
QString MakerNaam();
QString Copyright();

}  // namespace tamberlo
