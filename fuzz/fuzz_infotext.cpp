// The information texts (consider.txt, mfg.txt) over arbitrary bytes: the
// section read either way of numbering headings, and each of its lines
// wrapped for the considerations box. The first byte chooses the numbering
// (bit 0: the whole heading) and the section (the rest, signed); the rest is
// the file.
#include "files/infotext.h"

#include <cstdlib>

namespace {

// The characters of a UTF-8 text; -1 when it is not UTF-8.
long Chars(const std::string& s)
{
    long n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (len == 0 || i + len > s.size())
            return -1;
        for (std::size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return -1;
        i += len;
    }
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    if (size == 0)
        return 0;
    const auto numbering = data[0] & 1 ? HeadingNumber::Whole : HeadingNumber::Leading;
    const int wanted = static_cast<int8_t>(data[0]) >> 1;
    const auto lines = InfoSection(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), wanted, numbering);
    for (const std::string& line : lines) {
        if (line.find_first_of("\r\n") != std::string::npos || Chars(line) < 0)
            std::abort();
        // The pieces, at most 50 characters each, without the indentation of
        // the later ones (for a line not starting with a letter) give the line again.
        const auto pieces = WrapInfoLine(line);
        if (line.empty()) {
            if (pieces != std::vector<std::string>{""})
                std::abort();
            continue;
        }
        const char c = line[0];
        const bool indented = !((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
        std::string whole;
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            const long n = Chars(pieces[k]);
            if (n < 1 || n > static_cast<long>(kInfoTextWidth))
                std::abort();
            if (k > 0 && indented && !pieces[k].starts_with("   "))
                std::abort();
            whole += k > 0 && indented ? pieces[k].substr(3) : pieces[k];
        }
        if (whole != line)
            std::abort();
    }
    return 0;
}
