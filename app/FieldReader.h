#pragma once
// Sequential field input over the bytes of a text file, as the program's
// files were written for: blanks and line ends separate fields, a field that
// begins like a number ends at a blank, a comma or the end of the line, any
// other field runs to the next comma or the end of the line, and a leading
// double quote makes a quoted field. Line ends are CR LF, LF or a lone CR.
// Pure C++ so that the file parsers built on it can be fuzzed alone.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tamberlo {

class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : s_(bytes) {}

    // Skips blanks and line ends up to the next field; false when none is left.
    bool SkipToField();
    // The line (1-based) the reader stands on.
    int Line() const { return line_; }
    // The number of lines the input has (a final line without line end counts).
    int LineCount() const;

    // Each read skips to the next field first; at the end of the input it
    // returns an empty text. After the field, blanks and one delimiter (a
    // comma or a line end) are consumed.
    // Up to a blank, a comma or a line end. With `finish` false only the
    // blanks after it are skipped: the caller decides about the delimiter.
    std::string ReadNumberToken(bool finish = true);
    std::string ReadTextField();  // to a comma or a line end; quoted form honoured
    std::string ReadField();      // a number token when it begins like a number, else a text field

    // Consumes blanks and one delimiter after a field read with `finish` false.
    void FinishField() { ConsumeDelimiter(); }
    // Whether only blanks are left on the current line.
    bool LineIsDone();

    // The rest of the current line without its line end, which is consumed.
    std::string RestOfLine();
    // Whether anything at all (even an empty line) is left to read.
    bool AtEnd() const { return pos_ >= s_.size(); }

private:
    bool AtLineEnd() const;
    void ConsumeLineEnd();
    void SkipBlanks();
    void ConsumeDelimiter();
    std::string TakeUntil(bool stopAtBlank);

    std::string_view s_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

// True when `t` is a whole number: an optional sign and one or more digits.
bool IsWholeNumber(std::string_view t);
// Its value, when it is a whole number of at most 18 digits.
std::optional<long long> WholeNumberValue(std::string_view t);

}  // namespace tamberlo
