#include "LadderFileFormat.h"

#include <charconv>

#include "CreditLine.h"
#include "FieldReader.h"

namespace tamberlo {

const char* const kLadderFileTitle = "Ladderprogramma voor Tamberlo";
const char* const kLadderFileCredit = kCreditLine;

namespace {

const std::string kDashes(62, '-');

// Writes items the way the file's layout counts them: numbers with a sign
// position and a trailing blank, tabs to a column, print-zone steps.
class LinePrinter {
public:
    void Text(std::string_view t) {
        out_ += t;
        col_ += static_cast<int>(t.size());
    }
    void Number(long v) {
        char buf[24];
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v < 0 ? -v : v);
        (void)ec;
        out_ += v < 0 ? '-' : ' ';
        out_.append(buf, end);
        out_ += ' ';
        col_ += static_cast<int>(end - buf) + 2;
    }
    // To column n; a line already past it ends, and the item starts at column n of the next.
    void Tab(int n) {
        if (col_ > n) EndLine();
        out_.append(static_cast<std::size_t>(n - col_), ' ');
        col_ = n;
    }
    // To the start of the next print zone (columns 1, 15, 29, ... every 14).
    void Zone() {
        int next = ((col_ - 1) / 14 + 1) * 14 + 1;
        out_.append(static_cast<std::size_t>(next - col_), ' ');
        col_ = next;
    }
    void EndLine() {
        out_ += "\r\n";
        col_ = 1;
    }
    void Line(std::string_view t) {
        Text(t);
        EndLine();
    }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;
    int col_ = 1;
};

bool Contains(std::string_view s, std::string_view what) { return s.find(what) != std::string_view::npos; }

// A record value: a whole number within 16 bits.
std::optional<LadderFileError> ToInteger(const std::string& t, int line, std::int16_t& out) {
    if (!IsWholeNumber(t)) return LadderFileError{LadderFileErrorKind::NotANumber, line, t};
    std::string_view digits = t;
    bool negative = false;
    if (digits[0] == '-' || digits[0] == '+') {
        negative = digits[0] == '-';
        digits.remove_prefix(1);
    }
    long v = 0;
    for (char c : digits) {
        v = v * 10 + (c - '0');
        if (v > 32768) break;
    }
    if (negative) v = -v;
    if (v < -32768 || v > 32767) return LadderFileError{LadderFileErrorKind::TooLarge, line, t};
    out = static_cast<std::int16_t>(v);
    return std::nullopt;
}

bool In(int v, int lo, int hi) { return v >= lo && v <= hi; }

// Interface codes of column 1: digital (cards, ports, module, Arduino) and analog.
bool IsDigitalInterface(int code) { return In(code, 10, 13) || In(code, 31, 33) || In(code, 40, 43) || code == 50; }
bool IsAnalogInterface(int code) { return In(code, 20, 23); }

// Index of the first column of a condition row that no editor writes and
// that the scan or the editors would use as an index; -1 when the row is fine.
// Vertical links are judged per rung afterwards.
int BadConditionColumn(const std::array<std::int16_t, 6>& c) {
    switch (c[0]) {
    case 0:
    case 4: return -1;
    case 1: {
        int code = c[1];
        // Module codes 41..43 are no longer written but are still read (as the module).
        bool digital = IsDigitalInterface(code);
        if (!digital && !IsAnalogInterface(code)) return 1;
        if (digital) return (In(c[2], 1, 8) || In(c[2], 11, 18)) ? -1 : 2;
        return In(c[2], 1, 2) ? -1 : 2;
    }
    case 2:
        if (c[1] == 2) {
            if (!In(c[2], 1, 2)) return 2;
            if (!In(c[3], 0, 7)) return 3;
        }
        return -1;
    case 3:
        if (c[1] == 1) {
            if (!In(c[2], 0, 7)) return 2;
            if (!In(c[3], 0, 1)) return 3;
        } else if (c[1] == 2) {
            if (!In(c[2], 1, 8)) return 2;
        } else if (c[1] == 3) {
            if (!In(c[2], 1, 3)) return 2;
        }
        return -1;
    default: return 0;
    }
}

// The same for an action row.
int BadActionColumn(const std::array<std::int16_t, 10>& a) {
    switch (a[0]) {
    case 0:
    case 4: return -1;
    case 1: {
        int code = a[1];
        bool analog = IsAnalogInterface(code);
        bool digital = IsDigitalInterface(code);
        if (!analog && !digital) return 1;
        if (analog) return In(a[2], 1, 2) ? -1 : 2;
        if (!In(a[2], 1, 3)) return 2;
        if (!In(a[3], 1, 9)) return 3;
        return -1;
    }
    case 2:
        if (a[1] == 2) {
            if (!In(a[2], 1, 2)) return 2;
            if (!In(a[3], 0, 7)) return 3;
        }
        return -1;
    case 3:
        if (a[1] == 1) {
            if (!In(a[2], 1, 2)) return 2;
            if (!In(a[3], 0, 7)) return 3;
        } else if (a[1] == 2) {
            if (!In(a[2], 1, 3)) return 2;
            if (!In(a[3], 1, 3)) return 3;
        }
        return -1;
    default: return 0;
    }
}

LadderFileError EndsEarly(const FieldReader& r) { return {LadderFileErrorKind::EndsEarly, r.LineCount(), {}}; }

// The peer's port from the text after "Poort:"; a value the socket cannot take is no port.
std::optional<std::int32_t> PortFrom(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    auto v = WholeNumberValue(t);
    if (!v || *v < 0 || *v > 65535) return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

// The text after the first ":" of a settings line, one character after it skipped.
std::optional<std::string> ValueAfterColon(const std::string& line) {
    std::size_t p = line.find(':');
    if (p == std::string::npos) return std::nullopt;
    p += 2;
    return p >= line.size() ? std::string() : line.substr(p);
}

}  // namespace

std::string FormatLadderFile(const LadderData& ladder, std::string_view host, std::int32_t port) {
    LinePrinter p;
    p.Line(kLadderFileTitle);
    p.Line(kLadderFileCredit);
    p.Line(kDashes);
    p.Line("Condities");
    p.Line(kDashes);
    for (int c = 1; c <= 270; ++c) {
        p.Number(c);
        for (int k = 0; k <= 5; ++k) {
            p.Tab(6 * (k + 1));
            p.Number(ladder.conditions[c][k]);
        }
        p.EndLine();
    }
    p.Line(kDashes);
    p.Line("Acties");
    p.Line(kDashes);
    for (int r = 0; r <= 90; ++r) {
        p.Number(r);
        for (int k = 0; k <= 9; ++k) {
            p.Tab(6 * (k + 1));
            p.Number(ladder.actions[r][k]);
        }
        if (ladder.actions[r][0] == 4) {
            p.Zone();
            p.Text(ladder.soundFolders[r]);
            p.Text("/\\");
            p.Text(ladder.soundFiles[r]);
        }
        p.EndLine();
    }
    p.Line(kDashes);
    p.Line("Instellingen");
    p.Line(kDashes);
    while (!host.empty() && host.front() == ' ') host.remove_prefix(1);
    p.Text("IP-adres: ");
    p.Line(host);
    p.Text("Poort: ");
    p.Line(std::to_string(port));
    p.Line(kDashes);
    return p.Take();
}

LadderParseResult ParseLadderFile(std::string_view bytes) {
    FieldReader r(bytes);
    ParsedLadder out;
    LadderData& L = out.ladder;

    auto drop = [&r](int n) -> bool {
        for (int i = 0; i < n; ++i) {
            if (!r.SkipToField()) return false;
            r.ReadTextField();
        }
        return true;
    };
    // One record: the record number (dropped) or a dash line that ends the
    // section early, then `n` values.
    enum class Rec { Values, SectionEnd };
    auto record = [&r](std::int16_t* values, int n, int* lines, Rec& kind) -> std::optional<LadderFileError> {
        if (!r.SkipToField()) return EndsEarly(r);
        int line = r.Line();
        std::string first = r.ReadField();
        if (Contains(first, "-----")) {
            kind = Rec::SectionEnd;
            return std::nullopt;
        }
        if (!IsWholeNumber(first)) return LadderFileError{LadderFileErrorKind::NotANumber, line, first};
        for (int k = 0; k < n; ++k) {
            if (!r.SkipToField()) return EndsEarly(r);
            lines[k] = r.Line();
            // The last value is left open: a sound text may follow on its line.
            if (auto e = ToInteger(r.ReadNumberToken(k + 1 < n), lines[k], values[k])) return e;
        }
        kind = Rec::Values;
        return std::nullopt;
    };

    // The header: the title and the credit line as whole lines, whatever
    // they hold (a comma or a quote must not shift the fields after them),
    // then the dash, "Condities" and dash lines.
    if (!r.SkipToField()) return EndsEarly(r);
    r.RestOfLine();
    if (r.AtEnd()) return EndsEarly(r);
    r.RestOfLine();
    if (!drop(3)) return EndsEarly(r);

    // Condition records.
    std::array<int, 271> recordLine{};
    bool isShort = false;
    for (int i = 1; i <= 270; ++i) {
        int lines[6];
        Rec kind;
        if (auto e = record(L.conditions[i].data(), 6, lines, kind)) return *e;
        if (kind == Rec::SectionEnd) {
            isShort = true;
            break;
        }
        r.FinishField();
        int bad = BadConditionColumn(L.conditions[i]);
        if (bad >= 0) return LadderFileError{LadderFileErrorKind::InvalidValue, lines[bad], std::to_string(L.conditions[i][bad])};
        recordLine[i] = lines[0];
        out.conditionRecords = i;
    }
    // A vertical link fills all three cells of a rung below the first: the
    // scan reads the rung above and writes the two cells after it.
    for (int rung = 1; rung <= 90; ++rung) {
        int first = 3 * rung - 2;
        bool any = false, all = true;
        for (int c = first; c < first + 3; ++c) {
            bool link = L.conditions[c][0] == 4;
            any = any || link;
            all = all && link;
        }
        if (!any || (all && rung >= 2)) continue;
        for (int c = first; c < first + 3; ++c)
            if (L.conditions[c][0] == 4) return LadderFileError{LadderFileErrorKind::InvalidValue, recordLine[c], "4"};
    }

    if (!drop(isShort ? 2 : 3)) return EndsEarly(r);

    // Action records, rows 0..90.
    isShort = false;
    for (int i = 0; i <= 90; ++i) {
        int lines[10];
        Rec kind;
        if (auto e = record(L.actions[i].data(), 10, lines, kind)) return *e;
        if (kind == Rec::SectionEnd) {
            isShort = true;
            break;
        }
        int bad = BadActionColumn(L.actions[i]);
        if (bad >= 0) return LadderFileError{LadderFileErrorKind::InvalidValue, lines[bad], std::to_string(L.actions[i][bad])};
        if (L.actions[i][0] == 4) {
            // The sound field is the rest of the line, so a comma in a folder
            // or file name survives.
            std::string s;
            if (!r.LineIsDone()) s = r.RestOfLine();
            else if (!r.SkipToField()) return EndsEarly(r);  // the file ends before the sound field
            std::size_t p = s.find("/\\");
            if (p == std::string::npos) return LadderFileError{LadderFileErrorKind::NoSoundSeparator, lines[9], s};
            L.soundFolders[i] = s.substr(0, p);
            L.soundFiles[i] = s.substr(p + 2);
        } else {
            r.FinishField();
        }
        out.actionRecords = i + 1;
    }

    // The settings section is optional: whatever is missing stays unset.
    if (!isShort && !drop(1)) return out;
    if (!drop(2)) return out;
    if (r.AtEnd()) return out;
    if (auto h = ValueAfterColon(r.RestOfLine())) out.host = *h;
    if (r.AtEnd()) return out;
    if (auto v = ValueAfterColon(r.RestOfLine())) out.port = PortFrom(*v);
    return out;
}

}  // namespace tamberlo
