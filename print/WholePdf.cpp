#include "WholePdf.h"

namespace tamberlo {

namespace {

// The number at `pos` (after blanks), or -1; `pos` moves past it.
qint64 NumberAt(const QByteArray& data, qsizetype& pos) {
    while (pos < data.size() && (data[pos] == ' ' || data[pos] == '\r' || data[pos] == '\n')) ++pos;
    qint64 value = -1;
    for (; pos < data.size() && data[pos] >= '0' && data[pos] <= '9'; ++pos) {
        if (value > (qint64(1) << 48)) return -1;  // far beyond any offset or count
        value = (value < 0 ? 0 : value * 10) + (data[pos] - '0');
    }
    return value;
}

}  // namespace

bool IsWholePdf(const QByteArray& pdf) {
    // The file ends "startxref", the table's offset, "%%EOF".
    if (!pdf.trimmed().endsWith("%%EOF")) return false;
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (startxref < 0) return false;
    qsizetype pos = startxref + 9;
    const qint64 table = NumberAt(pdf, pos);
    if (table < 0 || table >= startxref || !pdf.mid(table, 4).startsWith("xref")) return false;

    // Subsections "first count", each followed by count lines "offset generation n|f".
    pos = table + 4;
    int objects = 0;
    for (;;) {
        const qint64 first = NumberAt(pdf, pos);
        if (first < 0) break;  // the trailer
        const qint64 count = NumberAt(pdf, pos);
        if (count < 0) return false;
        for (qint64 object = first; object < first + count; ++object) {
            const qint64 offset = NumberAt(pdf, pos);
            const qint64 generation = NumberAt(pdf, pos);
            while (pos < pdf.size() && pdf[pos] == ' ') ++pos;
            if (offset < 0 || generation < 0 || pos >= pdf.size()) return false;
            const char kind = pdf[pos++];
            if (kind == 'f') continue;
            if (kind != 'n' || offset >= table) return false;
            const QByteArray header = QByteArray::number(object) + ' ' + QByteArray::number(generation) + " obj";
            if (!pdf.mid(offset, header.size()).startsWith(header)) return false;
            ++objects;
        }
    }
    return objects > 0;
}

}  // namespace tamberlo
