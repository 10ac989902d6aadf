#include "CodePage.h"

#include <array>

namespace tamberlo {

namespace {

// Bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined
// (they map to the same code point, as the platform's converter does).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

char16_t Decode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHigh[b - 0x80] ? kHigh[b - 0x80] : b;
    return b;
}

}  // namespace

std::string ToCodePage(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar qc : text) {
        char16_t c = qc.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char found = '?';
        for (int i = 0; i < 32; ++i)
            if (Decode(static_cast<unsigned char>(0x80 + i)) == c) found = static_cast<char>(0x80 + i);
        out += found;
    }
    return out;
}

QString FromCodePage(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char b : bytes) out += QChar(Decode(static_cast<unsigned char>(b)));
    return out;
}

bool CodePageHolds(const QString& text) { return FromCodePage(ToCodePage(text)) == text; }

std::string ToCodePageLine(const QString& text) {
    std::string bytes = ToCodePage(text);
    for (char& c : bytes)
        if (c == '\r' || c == '\n') c = '?';
    return bytes;
}

bool CodePageLineHolds(const QString& text) { return FromCodePage(ToCodePageLine(text)) == text; }

}  // namespace tamberlo
