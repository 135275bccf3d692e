#include "files/fieldreader.h"

#include "model/numfmt.h"
#include "model/vbmath.h"
#include "model/encoding.h"

namespace vesk {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

FieldReader::FieldReader(std::string bytes) : data_(std::move(bytes))
{
    if (data_.starts_with("\xEF\xBB\xBF"))
        pos_ = 3;
}

void FieldReader::fail(const std::string& what) const
{
    throw ReadError("line " + std::to_string(line_) + ": " + what);
}

bool FieldReader::atLineEnd() const { return atEnd() || isLineEnd(data_[pos_]); }

void FieldReader::consumeLineEnd()
{
    if (atEnd())
        return;
    if (data_[pos_] == '\r') {
        ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n')
            ++pos_;
    } else if (data_[pos_] == '\n') {
        ++pos_;
    }
    ++line_;
    lineStart_ = true;
}

void FieldReader::skipBlanks()
{
    while (!atEnd() && isBlank(data_[pos_]))
        ++pos_;
}

std::string FieldReader::line()
{
    if (atEnd())
        fail("the file ends here");
    std::size_t b = pos_;
    while (!atLineEnd())
        ++pos_;
    std::string_view raw(data_.data() + b, pos_ - b);
    std::string out = Cp1252ToUtf8(raw);
    if (atEnd()) {
        // The last line of a file without a final line end.
        lineStart_ = true;
        ++line_;
    } else {
        consumeLineEnd();
    }
    return out;
}

void FieldReader::skipLine()
{
    if (atEnd())
        fail("the file ends here");
    while (!atLineEnd())
        ++pos_;
    if (atEnd()) {
        lineStart_ = true;
        ++line_;
    } else {
        consumeLineEnd();
    }
}

void FieldReader::skipLines(int n)
{
    for (int i = 0; i < n; ++i)
        skipLine();
}

// After a field: blanks, then a comma or a line end, which are consumed. A
// number may also end at a blank before the next value.
void FieldReader::finishField(bool number)
{
    skipBlanks();
    lineStart_ = false;
    if (atEnd())
        return;
    char c = data_[pos_];
    if (c == ',') {
        ++pos_;
    } else if (isLineEnd(c)) {
        consumeLineEnd();
    } else if (!number) {
        fail("unexpected text after a quoted text");
    }
}

std::string_view FieldReader::numberToken()
{
    if (atEnd())
        fail("the file ends where a number was expected");
    skipBlanks();
    std::size_t b = pos_;
    while (!atLineEnd() && data_[pos_] != ',' && !isBlank(data_[pos_]))
        ++pos_;
    std::string_view tok(data_.data() + b, pos_ - b);
    if (tok.empty())
        fail("a number is missing");
    return tok;
}

double FieldReader::number()
{
    std::string_view tok = numberToken();
    auto v = ParseNumber(tok);
    if (!v)
        fail("not a number: \"" + Cp1252ToUtf8(tok) + "\"");
    finishField(true);
    return *v;
}

float FieldReader::single()
{
    const int at = line_;
    double v = number();
    try {
        return CSng(v);
    } catch (const ArithError&) {
        throw ReadError("line " + std::to_string(at) + ": number out of range");
    }
}

int16_t FieldReader::integer()
{
    const int at = line_;
    double v = number();
    try {
        return CInt(v);
    } catch (const ArithError&) {
        throw ReadError("line " + std::to_string(at) + ": whole number out of range");
    }
}

std::string FieldReader::text()
{
    if (atEnd())
        fail("the file ends where a text was expected");
    skipBlanks();
    std::string out;
    if (!atEnd() && data_[pos_] == '"') {
        ++pos_;
        std::size_t b = pos_;
        while (!atLineEnd() && data_[pos_] != '"')
            ++pos_;
        out = Cp1252ToUtf8(std::string_view(data_.data() + b, pos_ - b));
        if (!atEnd() && data_[pos_] == '"')
            ++pos_;
        finishField(false);
        return out;
    }
    std::size_t b = pos_;
    while (!atLineEnd() && data_[pos_] != ',')
        ++pos_;
    std::size_t e = pos_;
    while (e > b && isBlank(data_[e - 1]))
        --e;
    out = Cp1252ToUtf8(std::string_view(data_.data() + b, e - b));
    finishField(false);
    return out;
}

bool FieldReader::hasField() const
{
    if (lineStart_)
        return false;
    std::size_t p = pos_;
    while (p < data_.size() && isBlank(data_[p]))
        ++p;
    return p < data_.size() && !isLineEnd(data_[p]);
}

void FieldReader::endLine()
{
    if (lineStart_)
        return;
    skipBlanks();
    if (atEnd()) {
        lineStart_ = true;
        return;
    }
    if (!isLineEnd(data_[pos_]))
        fail("more values than expected");
    consumeLineEnd();
}

}  // namespace vesk
