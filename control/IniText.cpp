#include "IniText.h"

#include <vector>

namespace kelvanor {
namespace {

struct Line {
    std::string_view content;  // without its line end
    std::string_view end;      // "\r\n", "\n", "\r" or nothing (the last line)
};

// A line ends at CR LF, LF or a lone CR (files saved by old Mac editors).
std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t at = text.find_first_of("\r\n", pos);
        if (at == std::string_view::npos) {
            lines.push_back({text.substr(pos), {}});
            break;
        }
        const std::size_t next = text.compare(at, 2, "\r\n") == 0 ? at + 2 : at + 1;
        lines.push_back({text.substr(pos, at - pos), text.substr(at, next - at)});
        pos = next;
    }
    return lines;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    static constexpr unsigned char leads[] = {0, 0xC0, 0xE0, 0xF0};
    const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    out += static_cast<char>(leads[tail] | (c >> (6 * tail)));
    for (int k = tail - 1; k >= 0; --k) out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
}

// UTF-16 as 8-bit text for the line functions: a surrogate pair becomes its
// UTF-8 character and every other unit, a lone surrogate too, its own 1 to 3
// byte form, so that toUtf16 gives back every unit as it was. A last odd byte
// is no unit.
std::string fromUtf16(std::string_view bytes, bool bigEndian) {
    auto unit = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[2 * i]), second = static_cast<unsigned char>(bytes[2 * i + 1]);
        return static_cast<char32_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    };
    std::string out;
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(++i) - 0xDC00);
        appendUtf8(out, c);
    }
    return out;
}

std::string toUtf16(std::string_view text, bool bigEndian) {
    std::string out;
    auto put = [&](char32_t u) {
        const char high = static_cast<char>(u >> 8), low = static_cast<char>(u);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t tail = lead < 0xC0 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : 0;
        char32_t c = tail == 0 ? lead : lead & (0x3F >> tail);
        bool whole = lead < 0x80 || (tail > 0 && i + tail < text.size());
        for (std::size_t k = 1; whole && k <= tail; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            whole = (next & 0xC0) == 0x80;
            c = c << 6 | (next & 0x3F);
        }
        // A byte that starts no character (only a caller's own text can
        // hold one) stands for itself.
        if (!whole) {
            put(lead);
            ++i;
            continue;
        }
        i += 1 + tail;
        if (c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
    }
    return out;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

// The name of a section line, or nothing.
std::optional<std::string_view> sectionName(std::string_view content) {
    const std::string_view t = trimmed(content);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const std::size_t end = t.find(']');
    if (end == std::string_view::npos) return std::nullopt;
    return trimmed(t.substr(1, end - 1));
}

bool isKeyLine(std::string_view content, std::string_view key) {
    const std::size_t eq = content.find('=');
    return eq != std::string_view::npos && sameName(trimmed(content.substr(0, eq)), key);
}

std::string_view valueOf(std::string_view content) {
    std::string_view v = trimmed(content.substr(content.find('=') + 1));
    if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
        v = v.substr(1, v.size() - 2);
    return v;
}

// How the file stores its text: 8-bit, or UTF-16 in either byte order. A
// byte order mark that an editor put before the first line is no part of that
// line, but kept when the file is written again. 8-bit text with NUL bytes
// within it (not only in a run at its end) is no plain text: it is read, but
// not written, as written back it could read as something else.
struct Form {
    std::string_view mark;
    bool utf16 = false;
    bool bigEndian = false;
    bool nulInText = false;
};

constexpr Form kUtf16Le{{}, true, false}, kUtf16Be{{}, true, true};

// The lines of `text` that read as a section or a key of an ini file in
// plain ASCII: in the right byte order the settings themselves read so,
// whatever script the comments are in.
std::size_t asciiSettingLines(std::string_view text) {
    std::size_t count = 0;
    for (const Line& line : splitLines(text)) {
        const std::string_view c = line.content;
        bool ascii = !c.empty();
        for (const char ch : c) ascii = ascii && ((ch >= 0x20 && ch < 0x7F) || ch == '\t');
        const std::size_t eq = c.find('=');
        if (ascii && (sectionName(c) || (eq != std::string_view::npos && eq > 0))) ++count;
    }
    return count;
}

// UTF-16 saved without a mark: the names and values of an ini file are
// ASCII, so the high byte of most units is NUL. Taken for UTF-16 when at
// least half the units hold a NUL in one same byte and fewer hold one in the
// other. A unit NUL in both bytes (a run of NULs, as an interrupted write
// leaves them) says nothing about the byte order and is not counted.
std::optional<Form> utf16ByNuls(std::string_view text) {
    std::size_t nulFirst = 0, nulSecond = 0, units = 0;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const bool first = text[i] == '\0', second = text[i + 1] == '\0';
        if (first && second) continue;
        ++units;
        nulFirst += first;
        nulSecond += second;
    }
    if (2 * nulSecond >= units && nulFirst < nulSecond) return kUtf16Le;
    if (2 * nulFirst >= units && nulSecond < nulFirst) return kUtf16Be;
    return std::nullopt;
}

// The text after the mark. Of an 8-bit file without the NUL bytes at its
// end: they are what an interrupted write left, no text of any line.
std::string_view bodyOf(std::string_view text, const Form& form) {
    text.remove_prefix(form.mark.size());
    if (!form.utf16) text = text.substr(0, text.find_last_not_of('\0') + 1);
    return text;
}

// An 8-bit ini file has no NUL bytes but those an interrupted write left at
// its end. A file with NULs within is UTF-16 without a mark, read in the
// byte order (or as 8-bit text) in which more of its section and key lines
// read as ASCII: comments in Greek or Chinese hold few NUL bytes, the
// settings always do. Where that shows nothing, the NULs decide.
Form formOf(std::string_view text) {
    for (const Form form : {Form{"\xFF\xFE", true, false}, Form{"\xFE\xFF", true, true}})
        if (text.starts_with(form.mark)) return form;
    Form eightBit;
    if (text.starts_with("\xEF\xBB\xBF")) eightBit.mark = "\xEF\xBB\xBF";
    const std::string_view body = bodyOf(text, eightBit);
    if (body.find('\0') == std::string_view::npos) return eightBit;
    eightBit.nulInText = true;
    if (!eightBit.mark.empty()) return eightBit;
    const std::size_t le = asciiSettingLines(fromUtf16(text, false)), be = asciiSettingLines(fromUtf16(text, true)),
                      asEightBit = asciiSettingLines(body);
    if (le > be && le > asEightBit) return kUtf16Le;
    if (be > le && be > asEightBit) return kUtf16Be;
    if (asEightBit > le && asEightBit > be) return eightBit;
    return utf16ByNuls(text).value_or(eightBit);
}

std::optional<std::string> valueIn(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false;
    for (const Line& line : splitLines(text)) {
        if (const auto name = sectionName(line.content)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (inSection && isKeyLine(line.content, key)) return std::string(valueOf(line.content));
    }
    return std::nullopt;
}

std::string withValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
    const std::vector<Line> lines = splitLines(text);
    std::string_view lineEnd = "\r\n";
    for (const Line& line : lines) {
        if (!line.end.empty()) {
            lineEnd = line.end;
            break;
        }
    }
    std::string entry;
    entry.append(key).append("=").append(value);

    // Where the entry goes: in place of line `replace`, or after line `after`.
    std::ptrdiff_t sectionLine = -1, after = -1, replace = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i].content)) {
            if (sectionLine >= 0) break;  // left our section
            if (sameName(*name, section)) sectionLine = after = static_cast<std::ptrdiff_t>(i);
            continue;
        }
        if (sectionLine < 0) continue;
        if (!trimmed(lines[i].content).empty()) after = static_cast<std::ptrdiff_t>(i);
        if (isKeyLine(lines[i].content, key)) {
            replace = static_cast<std::ptrdiff_t>(i);
            break;
        }
    }

    std::string out;
    out.reserve(text.size() + entry.size() + section.size() + 8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto at = static_cast<std::ptrdiff_t>(i);
        out.append(at == replace ? std::string_view(entry) : lines[i].content);
        out.append(lines[i].end);
        if (replace < 0 && at == after) {
            if (lines[i].end.empty()) out.append(lineEnd);
            out.append(entry).append(lineEnd);
        }
    }
    if (sectionLine < 0) {
        if (!lines.empty() && lines.back().end.empty()) out.append(lineEnd);
        out.append("[").append(section).append("]").append(lineEnd);
        out.append(entry).append(lineEnd);
    }
    return out;
}

}  // namespace

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key) {
    const Form form = formOf(text);
    text = bodyOf(text, form);
    return form.utf16 ? valueIn(fromUtf16(text, form.bigEndian), section, key) : valueIn(text, section, key);
}

Unsettable WhyUnsettable(std::string_view text) {
    const Form form = formOf(text);
    if (form.nulInText) return Unsettable::NulInText;
    return form.utf16 && !form.mark.empty() ? Unsettable::CutUtf16 : Unsettable::UnmarkedUtf16;
}

std::optional<std::string> WithProfileValues(std::string_view text, std::span<const ProfileEntry> entries) {
    const Form form = formOf(text);
    // 8-bit text with NUL bytes within is no plain text: whoever reads it
    // next may take it for anything, and once lines have moved it may read
    // as UTF-16 here too. It is left as it is, even where the NULs are in a
    // line that is set.
    if (form.nulInText) return std::nullopt;
    text = bodyOf(text, form);
    // Without a mark the byte order is a guess, and whoever reads the file
    // next may take it for 8-bit text; an odd byte count is no whole UTF-16
    // (cut short, or no UTF-16 at all) and there is no telling where new
    // text would belong. Either is left as it is.
    if (form.utf16 && (form.mark.empty() || text.size() % 2 != 0)) return std::nullopt;
    std::string body = form.utf16 ? fromUtf16(text, form.bigEndian) : std::string(text);
    for (const ProfileEntry& entry : entries) body = withValue(body, entry.section, entry.key, entry.value);
    if (form.utf16) return std::string(form.mark) + toUtf16(body, form.bigEndian);
    std::string out = std::string(form.mark) + body;
    // A value with a NUL byte (only a caller's own text can hold one) would
    // not read back as it was written.
    if (const Form written = formOf(out); written.utf16 || written.nulInText) return std::nullopt;
    return out;
}

std::optional<std::string> WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                            std::string_view value) {
    const ProfileEntry entry{section, key, value};
    return WithProfileValues(text, {&entry, 1});
}

}  // namespace kelvanor
