#include "model/numfmt.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace vesk {

std::optional<double> ParseNumber(std::string_view text)
{
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    std::string_view s = text.substr(b, e - b);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    // Check the form first: from_chars alone would accept "inf", "nan" and hex.
    std::size_t i = 0, digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
            ++expDigits;
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    // from_chars reads "." whatever the machine's locale.
    double v = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return negative ? -v : v;
}

int PatternDecimals(std::string_view pattern)
{
    auto dot = pattern.find('.');
    if (dot == std::string_view::npos)
        return 0;
    int n = 0;
    for (std::size_t i = dot + 1; i < pattern.size(); ++i)
        if (pattern[i] == '0' || pattern[i] == '#')
            ++n;
    return n;
}

std::string FormatPattern(double v, std::string_view pattern)
{
    const int decimals = PatternDecimals(pattern);
    if (std::isnan(v))
        return "NaN";
    if (std::isinf(v))
        return v < 0 ? "-Inf" : "Inf";
    // The exact decimal expansion of a double has at most 1074 fraction digits;
    // values below 1e-20 round to zero at any pattern the program uses, so a
    // long fixed expansion is exact for every digit that can matter here.
    // to_chars rather than printf: printf writes the decimal point of the
    // C locale, which a Qt application takes from the user's environment.
    const bool negative = std::signbit(v);
    double a = std::fabs(v);
    const int precision = decimals + 40;
    std::vector<char> buf(static_cast<std::size_t>(DBL_MAX_10_EXP + 2 + precision));
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), a, std::chars_format::fixed, precision);
    std::string s(buf.data(), res.ptr);
    // Split into integer digits and the kept fraction digits; round on the rest.
    auto dot = s.find('.');
    std::string intPart = s.substr(0, dot);
    std::string frac = s.substr(dot + 1);
    std::string kept = frac.substr(0, static_cast<std::size_t>(decimals));
    bool roundUp = frac[static_cast<std::size_t>(decimals)] >= '5';
    std::string digits = intPart + kept;
    if (roundUp) {
        int k = static_cast<int>(digits.size()) - 1;
        while (k >= 0) {
            if (digits[static_cast<std::size_t>(k)] == '9') {
                digits[static_cast<std::size_t>(k)] = '0';
                --k;
            } else {
                ++digits[static_cast<std::size_t>(k)];
                break;
            }
        }
        if (k < 0)
            digits.insert(digits.begin(), '1');
    }
    std::string ip = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    std::string fp = digits.substr(digits.size() - static_cast<std::size_t>(decimals));
    // Leading zeros beyond the one the pattern's "0" keeps.
    std::size_t nz = ip.find_first_not_of('0');
    ip = nz == std::string::npos ? "0" : ip.substr(nz);
    std::string out = ip;
    if (decimals > 0)
        out += "." + fp;
    bool zero = out.find_first_not_of("0.") == std::string::npos;
    if (negative && !zero)
        out.insert(out.begin(), '-');
    return out;
}

std::string PlainNumber(float v)
{
    if (v == 0.0f)
        return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 7);
    std::string s(buf, res.ptr);
    // Write "0.5" and "1E+10" the way the program's other texts do.
    auto e = s.find('e');
    std::string mant = e == std::string::npos ? s : s.substr(0, e);
    std::string exp = e == std::string::npos ? "" : s.substr(e + 1);
    if (mant.find('.') != std::string::npos) {
        while (!mant.empty() && mant.back() == '0')
            mant.pop_back();
        if (!mant.empty() && mant.back() == '.')
            mant.pop_back();
    }
    if (exp.empty())
        return mant;
    int ev = std::stoi(exp);
    char eb[16];
    std::snprintf(eb, sizeof eb, "E%c%02d", ev < 0 ? '-' : '+', ev < 0 ? -ev : ev);
    return mant + eb;
}

}  // namespace vesk
