#include "Trace.h"

#include "DebugWin.h"

namespace kelvanor {

CDebugWin* g_pDebugWin = nullptr;

bool TracingOn() { return g_pDebugWin && g_pDebugWin->HasWindow() && g_pDebugWin->tracing(); }

void TraceLine(const QString& text) {
    if (TracingOn()) g_pDebugWin->TraceLine(text);
}

void TraceValue(const QString& name, std::uint32_t number) {
    if (TracingOn()) TraceLine(name + QStringLiteral(":\t") + QString::number(number));
}

void TraceText(const QString& name, const QString& text) {
    if (TracingOn()) TraceLine(name + QStringLiteral(":\t") + text);
}

void TracePortLine(const QString& name, std::uint32_t number, const QString& text) {
    if (TracingOn()) TraceLine(name + ' ' + QString::number(number) + QStringLiteral(":\t") + text);
}

void TraceRxBytes(const QString& name, std::uint32_t key, std::uint32_t word, std::uint32_t value) {
    if (TracingOn()) TraceLine(QStringLiteral("%1:\t%2:\t%3:%4").arg(name).arg(key).arg(word).arg(value));
}

}  // namespace kelvanor
