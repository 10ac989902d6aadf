#pragma once
// Tracing into the process's trace window (g_pDebugWin). Every function does
// nothing while the window does not exist or tracing is stopped.

#include <QString>

#include <cstdint>

namespace kelvanor {

class CDebugWin;
// The trace window object of the process (the control makes it), or none.
extern CDebugWin* g_pDebugWin;

void TraceLine(const QString& text);
// "%s:\t%lu"
void TraceValue(const QString& name, std::uint32_t number);
// "%s:\t%s"
void TraceText(const QString& name, const QString& text);
// "%s %lu:\t%s"
void TracePortLine(const QString& name, std::uint32_t number, const QString& text);
// "%s:\t%lu:\t%lu:%lu"
void TraceRxBytes(const QString& name, std::uint32_t key, std::uint32_t word, std::uint32_t value);

bool TracingOn();

}  // namespace kelvanor
