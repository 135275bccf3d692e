#include "files/infotext.h"

#include "model/numfmt.h"
#include "model/vbmath.h"
#include "files/fieldreader.h"
#include "files/textfile.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace vesk {

namespace {

// Where each character of a UTF-8 text starts, and the text's length as the
// last element.
std::vector<std::size_t> charStarts(std::string_view s)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    starts.push_back(s.size());
    return starts;
}

// The number that a text starts with: blanks skipped, then an optional sign,
// digits with at most one decimal point and an optional exponent; 0 when no
// digit comes.
double leadingNumber(std::string_view s)
{
    std::size_t b = 0;
    while (b < s.size() && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    std::size_t i = b;
    auto digits = [&] {
        const std::size_t from = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0;
    const std::size_t beforeExponent = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0)
            i = beforeExponent;
    }
    return ParseNumber(s.substr(b, i - b)).value_or(0);
}

// The section number of a heading line; nullopt for a body line, or for a
// heading whose characters give no number.
struct Heading {
    bool isHeading = false;
    std::optional<int> number;
};

Heading heading(const std::string& line, HeadingNumber numbering)
{
    const std::vector<std::size_t> starts = charStarts(line);
    const std::size_t length = starts.size() - 1;
    if (length < 2 || line[0] != '~')
        return {};
    const std::size_t end = starts[std::min<std::size_t>(length, 4)];
    const std::string_view chars = std::string_view(line).substr(1, end - 1);
    std::optional<double> value;
    if (numbering == HeadingNumber::Leading)
        value = leadingNumber(chars);
    else
        value = ParseNumber(chars);
    Heading h;
    h.isHeading = true;
    try {
        if (value)
            h.number = CInt(*value);
    } catch (const ArithError&) {
    }
    return h;
}

std::vector<std::string> readSection(const char* file, int section, HeadingNumber numbering)
{
    FileBytes f = ReadFileBytes(AppFilePath(file));
    if (f.status != FileStatus::Ok)
        return {};
    return InfoSection(std::move(f.bytes), section, numbering);
}

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::vector<std::string> InfoSection(std::string bytes, int wanted, HeadingNumber numbering)
{
    std::vector<std::string> body;
    FieldReader rd(std::move(bytes));
    bool found = false;
    while (!rd.atEnd()) {
        std::string line = rd.line();
        const Heading h = heading(line, numbering);
        if (found) {
            if (h.isHeading)
                break;
            body.push_back(std::move(line));
        } else if (h.isHeading && h.number == wanted) {
            found = true;
        }
    }
    return body;
}

std::vector<std::string> WrapInfoLine(const std::string& line)
{
    const std::vector<std::size_t> at = charStarts(line);
    const std::size_t length = at.size() - 1;
    if (length <= kInfoTextWidth)
        return {line};
    const bool indent = !isAsciiLetter(line[0]);
    std::vector<std::string> pieces;
    std::size_t width = kInfoTextWidth;
    for (std::size_t p = 0; p < length;) {
        std::size_t last = length - 1;
        if (p + width - 1 < length - 1) {
            last = p + width - 1;
            for (std::size_t q = last; q > p; --q) {
                if (line[at[q]] == ' ') {
                    last = q;
                    break;
                }
            }
        }
        std::string piece = pieces.empty() || !indent ? std::string() : std::string(3, ' ');
        piece += line.substr(at[p], at[last + 1] - at[p]);
        pieces.push_back(std::move(piece));
        p = last + 1;
        if (indent)
            width = kInfoTextWidth - 3;
    }
    return pieces;
}

std::vector<std::string> ReadConsiderations(int section)
{
    std::vector<std::string> lines;
    for (const std::string& line : readSection(kConsiderFile, section, HeadingNumber::Leading))
        for (std::string& piece : WrapInfoLine(line))
            lines.push_back(std::move(piece));
    return lines;
}

std::vector<std::string> ReadManufacturers(int section)
{
    return readSection(kMfgFile, section, HeadingNumber::Whole);
}

}  // namespace vesk
