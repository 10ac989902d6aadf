#pragma once
// COM port lists such as "1-4, 12, 14" and the table of ports a search may use.

#include <QString>

#include <array>

namespace kelvanor {

constexpr int kComSearchPorts = 255;

struct PortRange {
    bool valid = false;
    unsigned low = 0;
    unsigned high = 0;
};

// One item: a number or two joined by '-' (either order); blanks allowed.
PortRange ParsePortRange(const QString& item);
// Valid items as "%u" or "%u-%u", joined by "," without blanks, in order.
QString NormalisePortList(const QString& text);

// One flag per COM number 1..255 (index 0 unused): may the search use it.
using ComTable = std::array<bool, kComSearchPorts + 1>;
ComTable& ComSearchTable();

// value true: clears the table, then (unless useSerial is off) sets the
// list's ports; value false: clears the list's ports. Ports above 255 are ignored.
void ApplyPortList(const QString& text, bool value, bool useSerial);
void BuildComSearchTable(const QString& searchCom, const QString& excludeCom, bool useSerial);

}  // namespace kelvanor
