#include "model/numfmt.h"
#include "model/vbmath.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <string>

#include <unistd.h>

using namespace vesk;

// ---- vbmath ---------------------------------------------------------------

TEST(VbMath, CSngRangeAndNonFinite)
{
    EXPECT_EQ(CSng(0.1), 0.1f);
    EXPECT_EQ(CSng(1e-50), 0.0f);  // underflow is zero, not an error
    // Everything below FLT_MAX + half an ulp rounds down to FLT_MAX; the
    // halfway point itself rounds (to even) up to infinity.
    const double halfUlp = std::ldexp(1.0, 103);
    const double halfway = static_cast<double>(FLT_MAX) + halfUlp;
    EXPECT_EQ(CSng(std::nextafter(halfway, 0.0)), FLT_MAX);
    EXPECT_EQ(CSng(-std::nextafter(halfway, 0.0)), -FLT_MAX);
    EXPECT_THROW(CSng(halfway), ArithError);
    EXPECT_THROW(CSng(-halfway), ArithError);
    EXPECT_THROW(CSng(1e39), ArithError);
    EXPECT_THROW(CSng(std::numeric_limits<double>::infinity()), ArithError);
    EXPECT_THROW(CSng(-std::numeric_limits<double>::infinity()), ArithError);
    EXPECT_THROW(CSng(std::numeric_limits<double>::quiet_NaN()), ArithError);
}

TEST(VbMath, DivChecksDivisorAndQuotient)
{
    EXPECT_DOUBLE_EQ(Div(1, 4), 0.25);
    EXPECT_DOUBLE_EQ(Div(-9, 3), -3);
    EXPECT_THROW(Div(1, 0), ArithError);
    EXPECT_THROW(Div(0, 0), ArithError);
    EXPECT_THROW(Div(1, -0.0), ArithError);
    EXPECT_THROW(Div(1e308, 1e-10), ArithError);
}

TEST(VbMath, CIntRoundsHalfToEven)
{
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-3.5), -4);
    EXPECT_EQ(CInt(0.5), 0);
    EXPECT_EQ(CInt(2.5000001), 3);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.5), -32768);  // ties to the even -32768, still in range
    EXPECT_THROW(CInt(32767.5), ArithError);
    EXPECT_THROW(CInt(-32769), ArithError);
    EXPECT_THROW(CInt(std::numeric_limits<double>::quiet_NaN()), ArithError);
    EXPECT_EQ(CLng(2147483647.0), 2147483647);
    EXPECT_EQ(CLng(-2147483648.0), INT32_MIN);
    EXPECT_THROW(CLng(2147483647.5), ArithError);
    EXPECT_THROW(CLng(1e10), ArithError);
}

TEST(VbMath, IntFloorsFixTruncates)
{
    EXPECT_EQ(Int(2.7), 2);
    EXPECT_EQ(Int(-2.3), -3);
    EXPECT_EQ(Fix(-2.7), -2);
    EXPECT_EQ(Fix(2.7), 2);
    EXPECT_EQ(IntI16(-0.5), -1);
    EXPECT_EQ(IntI16(32767.9), 32767);
    EXPECT_EQ(IntI16(-32768.0), -32768);
    EXPECT_THROW(IntI16(32768.0), ArithError);
    EXPECT_THROW(IntI16(-32768.1), ArithError);
    EXPECT_THROW(IntI16(std::numeric_limits<double>::infinity()), ArithError);
}

// ---- reading typed numbers --------------------------------------------------

TEST(ParseNumber, AcceptsPlainDecimalForms)
{
    EXPECT_EQ(ParseNumber(" 12.5 "), 12.5);
    EXPECT_EQ(ParseNumber("-3"), -3.0);
    EXPECT_EQ(ParseNumber("+.5"), 0.5);
    EXPECT_EQ(ParseNumber("1e3"), 1000.0);
    EXPECT_EQ(ParseNumber("2.5E-2"), 0.025);
    EXPECT_EQ(ParseNumber("2."), 2.0);
    EXPECT_EQ(ParseNumber("007"), 7.0);
}

TEST(ParseNumber, RejectsAnythingElse)
{
    for (const char* bad : {"", "   ", ".", "-", "+", "1.2.3", "12a", "a12", "1e", "1e+", "e3", "inf", "-inf",
                            "nan", "infinity", "0x10", "1,5", "1 000", "--3", "+-3", "- 3", "1e3.5", "1e400"})
        EXPECT_FALSE(ParseNumber(bad).has_value()) << '"' << bad << '"';
}

// ---- format patterns --------------------------------------------------------

TEST(FormatPattern, RoundsHalfAwayFromZeroOnExactValue)
{
    EXPECT_EQ(FormatPattern(0.125, "0.00"), "0.13");
    EXPECT_EQ(FormatPattern(-0.125, "0.00"), "-0.13");
    EXPECT_EQ(FormatPattern(-2.5, "0"), "-3");
    EXPECT_EQ(FormatPattern(1234.5, "0"), "1235");
    // 2.675f is 2.6749999523..., below the halfway point.
    EXPECT_EQ(FormatPattern(2.675f, "0.00"), "2.67");
    // 0.3f is 0.30000001192..., so it stays 0.300 and does not show its tail.
    EXPECT_EQ(FormatPattern(0.3f, "0.000"), "0.300");
}

TEST(FormatPattern, CarriesWidthAndZeroSign)
{
    EXPECT_EQ(FormatPattern(9.9996, "0.000"), "10.000");
    EXPECT_EQ(FormatPattern(99.95, "0.0"), "100.0");  // 99.9500000000000028...
    EXPECT_EQ(FormatPattern(-0.0004, "0.00"), "0.00");
    EXPECT_EQ(FormatPattern(-0.0, "0"), "0");
    EXPECT_EQ(FormatPattern(0.0, "0.000"), "0.000");
    EXPECT_EQ(FormatPattern(12, "0.0000"), "12.0000");
    EXPECT_EQ(FormatPattern(0.5, "0"), "1");
    EXPECT_EQ(FormatPattern(1e20, "0"), "100000000000000000000");
    EXPECT_EQ(FormatPattern(static_cast<double>(FLT_MAX), "0").size(), 39u);
}

TEST(PlainNumber, SevenSignificantDigits)
{
    EXPECT_EQ(PlainNumber(0.0f), "0");
    EXPECT_EQ(PlainNumber(0.5f), "0.5");
    EXPECT_EQ(PlainNumber(-12.25f), "-12.25");
    EXPECT_EQ(PlainNumber(1234567.0f), "1234567");
    EXPECT_EQ(PlainNumber(1e10f), "1E+10");
    EXPECT_EQ(PlainNumber(1.5e-7f), "1.5E-07");
}

// The program runs under Qt, which takes LC_NUMERIC from the user's
// environment; numbers must still be written with a decimal point. The
// test builds a locale with a decimal comma in a temporary folder.
TEST(NumberText, IgnoresTheCLocaleDecimalSeparator)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("vesk-locale-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    {
        std::ofstream src(dir / "comma.src");
        src << "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\ngrouping 3;3\nEND LC_NUMERIC\n";
    }
    std::string cmd = "localedef -c -i '" + (dir / "comma.src").string() + "' -f UTF-8 '" +
                      (dir / "xx_XX.UTF-8").string() + "' >/dev/null 2>&1";
    [[maybe_unused]] int rc = std::system(cmd.c_str());
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
        GTEST_SKIP() << "cannot build a decimal-comma locale here";
    EXPECT_EQ(pattern, "1.25");
    EXPECT_EQ(plain, "0.5");
    EXPECT_EQ(parsed, 1.5);
}
