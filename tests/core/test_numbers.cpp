// Checked arithmetic, reading typed numbers and the number formats, in any C locale.
#include "core_helpers.h"
#include "model/numfmt.h"
#include "model/vbmath.h"

#include <cfloat>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>

#include <unistd.h>

using namespace vesk;

TEST(VbMath, CSngRangeAndNonFinite)
{
    EXPECT_EQ(CSng(0.1), 0.1f);
    EXPECT_EQ(CSng(1e-50), 0.0f);  // underflow is zero, not an error
    // Below FLT_MAX + half an ulp rounds down to FLT_MAX; the halfway point itself rounds (to even) up to infinity.
    const double halfway = static_cast<double>(FLT_MAX) + std::ldexp(1.0, 103);
    EXPECT_EQ(CSng(std::nextafter(halfway, 0.0)), FLT_MAX);
    EXPECT_EQ(CSng(-std::nextafter(halfway, 0.0)), -FLT_MAX);
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {halfway, -halfway, 1e39, inf, -inf, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(CSng(v), ArithError) << v;
}

TEST(VbMath, DivAndIntegerConversions)
{
    EXPECT_DOUBLE_EQ(Div(1, 4), 0.25);
    EXPECT_DOUBLE_EQ(Div(-9, 3), -3);
    for (auto [a, b] : {std::pair{1.0, 0.0}, {0, 0}, {1, -0.0}, {1e308, 1e-10}})
        EXPECT_THROW(Div(a, b), ArithError) << a << " / " << b;
    // CInt rounds half to even, -32768.5 to the even -32768, still in range.
    for (auto [v, want] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {2.5000001, 3},
                           {32767.4, 32767}, {-32768.5, -32768}})
        EXPECT_EQ(CInt(v), want) << v;
    for (double v : {32767.5, -32769.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(CInt(v), ArithError) << v;
    EXPECT_EQ(CLng(2147483647.0), 2147483647);
    EXPECT_EQ(CLng(-2147483648.0), INT32_MIN);
    EXPECT_THROW(CLng(2147483647.5), ArithError);
    EXPECT_THROW(CLng(1e10), ArithError);
    // Int floors, Fix truncates.
    EXPECT_EQ(std::make_tuple(Int(2.7), Int(-2.3), Fix(-2.7), Fix(2.7)), std::make_tuple(2, -3, -2, 2));
    EXPECT_EQ(std::make_tuple(IntI16(-0.5), IntI16(32767.9), IntI16(-32768.0)),
              std::make_tuple(int16_t(-1), int16_t(32767), int16_t(-32768)));
    for (double v : {32768.0, -32768.1, std::numeric_limits<double>::infinity()})
        EXPECT_THROW(IntI16(v), ArithError) << v;
}

TEST(ParseNumber, AcceptsPlainDecimalFormsOnly)
{
    for (auto [text, want] : {std::pair{" 12.5 ", 12.5}, {"-3", -3}, {"+.5", 0.5}, {"1e3", 1000}, {"2.5E-2", 0.025},
                              {"2.", 2}, {"007", 7}})
        EXPECT_EQ(ParseNumber(text), want) << text;
    for (const char* bad : {"", "   ", ".", "-", "+", "1.2.3", "12a", "a12", "1e", "1e+", "e3", "inf", "-inf",
                            "nan", "infinity", "0x10", "1,5", "1 000", "--3", "+-3", "- 3", "1e3.5", "1e400"})
        EXPECT_FALSE(ParseNumber(bad).has_value()) << '"' << bad << '"';
}

TEST(FormatPattern, RoundsHalfAwayFromZeroOnTheExactValueAndCarries)
{
    const std::tuple<double, const char*, const char*> cases[] = {
        {0.125, "0.00", "0.13"},
        {-0.125, "0.00", "-0.13"},
        {-2.5, "0", "-3"},
        {1234.5, "0", "1235"},
        {2.675f, "0.00", "2.67"},   // 2.6749999523..., below the halfway point
        {0.3f, "0.000", "0.300"},   // 0.30000001192... does not show its tail
        {9.9996, "0.000", "10.000"},
        {99.95, "0.0", "100.0"},    // 99.9500000000000028...
        {-0.0004, "0.00", "0.00"},
        {-0.0, "0", "0"},
        {0.0, "0.000", "0.000"},
        {12, "0.0000", "12.0000"},
        {0.5, "0", "1"},
        {1e20, "0", "100000000000000000000"},
    };
    for (auto [v, pattern, want] : cases)
        EXPECT_EQ(FormatPattern(v, pattern), want) << v << " " << pattern;
    EXPECT_EQ(FormatPattern(static_cast<double>(FLT_MAX), "0").size(), 39u);
}

TEST(PlainNumber, SevenSignificantDigits)
{
    for (auto [v, want] : {std::pair{0.0f, "0"}, {0.5f, "0.5"}, {-12.25f, "-12.25"}, {1234567.0f, "1234567"},
                           {1e10f, "1E+10"}, {1.5e-7f, "1.5E-07"}})
        EXPECT_EQ(PlainNumber(v), want) << v;
}

// Qt takes LC_NUMERIC from the user's environment; numbers must still be written and read with a decimal point.
TEST(NumberText, IgnoresTheCLocaleDecimalSeparator)
{
    fs::path dir = fs::temp_directory_path() / ("vesk-locale-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    Put(dir / "comma.src", "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\ngrouping 3;3\nEND LC_NUMERIC\n");
    std::string cmd = "localedef -c -i '" + (dir / "comma.src").string() + "' -f UTF-8 '" +
                      (dir / "xx_XX.UTF-8").string() + "' >/dev/null 2>'" + (dir / "errors").string() + "'";
    [[maybe_unused]] int rc = std::system(cmd.c_str());
    std::ifstream errorsFile(dir / "errors");
    const std::string errors((std::istreambuf_iterator<char>(errorsFile)), std::istreambuf_iterator<char>());
    ::setenv("LOCPATH", dir.c_str(), 1);
    const char* set = std::setlocale(LC_NUMERIC, "xx_XX.UTF-8");
    bool comma = set && std::string(std::localeconv()->decimal_point) == ",";
    std::string pattern, plain;
    std::optional<double> parsed;
    if (comma) {
        pattern = FormatPattern(1.25, "0.00");
        plain = PlainNumber(0.5f);
        parsed = ParseNumber("1.5");
    }
    std::setlocale(LC_NUMERIC, "C");
    ::unsetenv("LOCPATH");
    fs::remove_all(dir);
    if (!comma)
        GTEST_SKIP() << "cannot build a decimal-comma locale here; localedef said:\n" << errors;
    EXPECT_EQ(pattern, "1.25");
    EXPECT_EQ(plain, "0.5");
    EXPECT_EQ(parsed, 1.5);
}
