// The sequential reader of the program's text data files.
//
// A file is read front to back, either as whole lines or as delimited fields.
// A field ends at a comma or at the line end; a number also ends at a blank,
// so "1 2, 3" holds three numbers. Blanks around a field are dropped. A text
// field may stand in double quotes, which keeps commas and blanks inside it.
// Lines end with CR LF, LF or a lone CR. Bytes are Windows-1252; every text
// comes back as UTF-8.
//
// Reading a field consumes its delimiter: a comma leaves the cursor on the
// same line, so a following line() returns the rest of that line; a line end
// moves it to the next line. Anything that does not fit (the end of the data,
// an empty or malformed number, a number beyond its type's range, values left
// over on a data line) raises ReadError with the line number.
#pragma once

#include "model/binstream.h"  // ReadError

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk {

class FieldReader {
public:
    // A leading UTF-8 byte-order mark, which editors may write, is skipped.
    explicit FieldReader(std::string bytes);

    // The rest of the current line (a whole line when the cursor is at its
    // start), without its line end, which is consumed.
    std::string line();
    void skipLine();
    void skipLines(int n);

    // One number field, strictly decimal (see ParseNumber).
    double number();
    // A number stored as a 32-bit float; ReadError beyond float range.
    float single();
    // A number stored as a 16-bit integer, rounded half to even; ReadError
    // beyond -32768..32767.
    int16_t integer();
    // One text field, quoted or not.
    std::string text();

    // Ends a data line: nothing but blanks (or one trailing comma) may remain
    // on it. Does nothing when the last field already ended the line.
    void endLine();

    // True when the line of the last field read holds another field.
    bool hasField() const;

    bool atEnd() const { return pos_ >= data_.size(); }
    // Number of the line the cursor is on, from 1.
    int lineNo() const { return line_; }

private:
    [[noreturn]] void fail(const std::string& what) const;
    bool atLineEnd() const;
    void consumeLineEnd();
    void skipBlanks();
    void finishField(bool number);
    std::string_view numberToken();

    std::string data_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool lineStart_ = true;  // the cursor stands at the start of a line
};

}  // namespace vesk
