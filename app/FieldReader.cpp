#include "FieldReader.h"

namespace tamberlo {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool IsWholeNumber(std::string_view t) {
    std::size_t i = 0;
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) i = 1;
    if (i >= t.size()) return false;
    for (; i < t.size(); ++i)
        if (!IsDigit(t[i])) return false;
    return true;
}

std::optional<long long> WholeNumberValue(std::string_view t) {
    if (!IsWholeNumber(t)) return std::nullopt;
    bool negative = t[0] == '-';
    if (t[0] == '-' || t[0] == '+') t.remove_prefix(1);
    while (t.size() > 1 && t[0] == '0') t.remove_prefix(1);
    if (t.size() > 18) return std::nullopt;
    long long v = 0;
    for (char c : t) v = v * 10 + (c - '0');
    return negative ? -v : v;
}

bool FieldReader::AtLineEnd() const { return pos_ < s_.size() && (s_[pos_] == '\r' || s_[pos_] == '\n'); }

void FieldReader::ConsumeLineEnd() {
    if (pos_ >= s_.size()) return;
    if (s_[pos_] == '\r') {
        ++pos_;
        if (pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
    } else if (s_[pos_] == '\n') {
        ++pos_;
    } else {
        return;
    }
    ++line_;
}

void FieldReader::SkipBlanks() {
    while (pos_ < s_.size() && IsBlank(s_[pos_])) ++pos_;
}

bool FieldReader::SkipToField() {
    for (;;) {
        SkipBlanks();
        if (AtLineEnd()) ConsumeLineEnd();
        else return pos_ < s_.size();
    }
}

int FieldReader::LineCount() const {
    int n = 0;
    for (std::size_t i = 0; i < s_.size(); ++i) {
        if (s_[i] == '\n') ++n;
        else if (s_[i] == '\r' && (i + 1 >= s_.size() || s_[i + 1] != '\n')) ++n;
    }
    if (!s_.empty() && s_.back() != '\n' && s_.back() != '\r') ++n;
    return n == 0 ? 1 : n;
}

void FieldReader::ConsumeDelimiter() {
    SkipBlanks();
    if (pos_ < s_.size() && s_[pos_] == ',') ++pos_;
    else ConsumeLineEnd();
}

std::string FieldReader::TakeUntil(bool stopAtBlank) {
    std::size_t start = pos_;
    while (pos_ < s_.size()) {
        char c = s_[pos_];
        if (c == ',' || c == '\r' || c == '\n' || (stopAtBlank && IsBlank(c))) break;
        ++pos_;
    }
    std::size_t end = pos_;
    while (end > start && IsBlank(s_[end - 1])) --end;
    return std::string(s_.substr(start, end - start));
}

std::string FieldReader::ReadNumberToken(bool finish) {
    if (!SkipToField()) return {};
    std::string t = TakeUntil(true);
    if (finish) ConsumeDelimiter();
    else SkipBlanks();
    return t;
}

bool FieldReader::LineIsDone() {
    SkipBlanks();
    return pos_ >= s_.size() || AtLineEnd();
}

std::string FieldReader::ReadTextField() {
    if (!SkipToField()) return {};
    std::string t;
    if (s_[pos_] == '"') {
        ++pos_;
        std::size_t start = pos_;
        while (pos_ < s_.size() && s_[pos_] != '"' && s_[pos_] != '\r' && s_[pos_] != '\n') ++pos_;
        t = std::string(s_.substr(start, pos_ - start));
        if (pos_ < s_.size() && s_[pos_] == '"') ++pos_;
        // Whatever follows the closing quote up to the delimiter is dropped.
        while (pos_ < s_.size() && s_[pos_] != ',' && s_[pos_] != '\r' && s_[pos_] != '\n') ++pos_;
    } else {
        t = TakeUntil(false);
    }
    ConsumeDelimiter();
    return t;
}

std::string FieldReader::ReadField() {
    if (!SkipToField()) return {};
    char c = s_[pos_];
    bool numeric = IsDigit(c) || ((c == '-' || c == '+') && pos_ + 1 < s_.size() && IsDigit(s_[pos_ + 1]));
    if (!numeric) return ReadTextField();
    std::string t = TakeUntil(true);
    ConsumeDelimiter();
    return t;
}

std::string FieldReader::RestOfLine() {
    std::size_t start = pos_;
    while (pos_ < s_.size() && !AtLineEnd()) ++pos_;
    std::string t(s_.substr(start, pos_ - start));
    ConsumeLineEnd();
    return t;
}

}  // namespace tamberlo
