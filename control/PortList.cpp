#include "PortList.h"

#include <QStringList>

#include <algorithm>

namespace kelvanor {
namespace {

// The decimal value of a text, 0 when it is no plain number.
unsigned number(const QString& text) {
    bool ok = false;
    const qulonglong v = text.toULongLong(&ok, 10);
    if (!ok) return 0;
    return v > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<unsigned>(v);
}

}  // namespace

PortRange ParsePortRange(const QString& item) {
    const int dash = item.indexOf('-');
    const QString lowText = (dash < 0 ? item : item.left(dash)).trimmed();
    const QString highText = dash < 0 ? QString() : item.mid(dash + 1).trimmed();
    PortRange r;
    r.low = number(lowText);
    r.high = number(highText);
    if (r.low == 0) r.low = r.high;
    if (r.high == 0) r.high = r.low;
    if (r.high < r.low) std::swap(r.low, r.high);
    r.valid = r.low != 0 && r.high != 0;
    return r;
}

QString NormalisePortList(const QString& text) {
    QString result;
    for (const QString& item : text.trimmed().split(',')) {
        const PortRange r = ParsePortRange(item);
        if (!r.valid) continue;
        if (!result.isEmpty()) result += ',';
        result += r.low == r.high ? QString::number(r.low) : QStringLiteral("%1-%2").arg(r.low).arg(r.high);
    }
    return result;
}

ComTable& ComSearchTable() {
    static ComTable table{};
    return table;
}

void ApplyPortList(const QString& text, bool value, bool useSerial) {
    ComTable& table = ComSearchTable();
    if (value) {
        table.fill(false);
        if (!useSerial) return;
    }
    for (const QString& item : text.trimmed().split(',')) {
        const PortRange r = ParsePortRange(item);
        if (!r.valid || r.low > kComSearchPorts) continue;
        const unsigned high = std::min<unsigned>(r.high, kComSearchPorts);
        for (unsigned n = r.low; n <= high; ++n) table[n] = value;
    }
}

void BuildComSearchTable(const QString& searchCom, const QString& excludeCom, bool useSerial) {
    ApplyPortList(searchCom, true, useSerial);
    ApplyPortList(excludeCom, false, useSerial);
}

}  // namespace kelvanor
