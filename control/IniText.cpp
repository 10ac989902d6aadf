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

// A UTF-8 byte order mark that an editor put before the first line: not part
// of that line, but kept when the file is written again.
std::string_view byteOrderMark(std::string_view text) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    return text.substr(0, text.starts_with(bom) ? bom.size() : 0);
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

}  // namespace

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key) {
    text.remove_prefix(byteOrderMark(text).size());
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

std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view bom = byteOrderMark(text);
    text.remove_prefix(bom.size());
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

    std::string out(bom);
    out.reserve(bom.size() + text.size() + entry.size() + section.size() + 8);
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

}  // namespace kelvanor
