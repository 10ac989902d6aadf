#pragma once
// The program's one credit line: header line 2 of every ladder file it writes
// and the splash's maker line. No web address, so it points at nobody's site.
// Readers never depend on it: files written earlier carried other texts.

namespace tamberlo {

inline constexpr char kCreditLine[] = "Gemaakt met Tamberlo - Tamberlo Leerwerk";

}  // namespace tamberlo
