#include "model/globals.h"
#include "model/units.h"
#include "model/vbmath.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vesk;

namespace {

class Units : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
    void TearDown() override { ResetGlobals(); }
    static void metric(bool on) { G.MetricUnits = on ? -1 : 0; }
};

}  // namespace

// ---- labels and conversions ----------------------------------------------------

TEST_F(Units, LabelsFollowTheUnitSystem)
{
    EXPECT_EQ(UnitLabel(7), "psi");
    EXPECT_EQ(UnitLabel(5), "in");
    EXPECT_EQ(UnitLabel(16), "BdFt");
    EXPECT_EQ(UnitLabel(3), "tons/ft\xC2\xB2");
    EXPECT_EQ(UnitLabel(10), "lb/ft\xC2\xB3");
    EXPECT_EQ(UnitLabel(21), "$/ft\xC2\xB3");
    metric(true);
    EXPECT_EQ(UnitLabel(7), "Mpa");
    EXPECT_EQ(UnitLabel(8), "Gpa");
    EXPECT_EQ(UnitLabel(4), "mm");
    EXPECT_EQ(UnitLabel(5), "cm");
    EXPECT_EQ(UnitLabel(6), "m");
    EXPECT_EQ(UnitLabel(3), "tonnes/m\xC2\xB2");
    EXPECT_EQ(UnitLabel(19), "g/cm\xC2\xB3");
    G.MetricUnits = 1;  // any non-zero value is true
    EXPECT_EQ(UnitLabel(11), "m");
}

TEST_F(Units, UnknownCodesHaveNoLabelAndNoConversion)
{
    for (bool on : {false, true}) {
        metric(on);
        for (int code : {-1, 0, 22})
            EXPECT_EQ(UnitLabel(code), "") << code;
        EXPECT_EQ(ToMetric(5, 22), 5.0f);
        EXPECT_EQ(ToMetric(5, 0), 5.0f);
        EXPECT_EQ(ToEnglish(5, 22), 5.0f);
    }
}

TEST_F(Units, EnglishUnitsConvertNothing)
{
    for (int code = 1; code <= 21; ++code) {
        EXPECT_EQ(ToMetric(1450, code), 1450.0f) << code;
        EXPECT_EQ(ToEnglish(1450, code), 1450.0f) << code;
    }
    EXPECT_EQ(ToMetric(0.1, 4), 0.1f);  // still rounded to single precision
}

TEST_F(Units, MetricConversionDirections)
{
    metric(true);
    EXPECT_EQ(ToMetric(1450, 7), 10.0f);
    EXPECT_EQ(ToEnglish(10, 7), 1450.0f);
    EXPECT_EQ(ToMetric(62.4, 19), 12.0f);
    EXPECT_EQ(ToEnglish(12, 19), 62.4f);
    // One English unit in metric units, from the physical definitions: a
    // factor applied the wrong way round shows up at once.
    const double metricOfOne[22] = {0,        0.9072,     2.9763,    9.7649,    25.4,      2.54,
                                    0.0254,   1 / 145.0,  1 / 145.0, 0.453597,  0.01602564, 0.3048,
                                    1.355932, 6.4516,     16.3871,   0.0283168, 0.00235974, 4.448222,
                                    423.776,  0.1923077,  3.280840,  35.3147};
    for (int code = 1; code <= 21; ++code) {
        double m = metricOfOne[code];
        EXPECT_NEAR(ToMetric(1, code), m, m * 1e-5) << "code " << code;
        EXPECT_NEAR(ToEnglish(m, code), 1.0, 1e-5) << "code " << code;
        for (double v : {0.37, 1234.0, -8.0})
            EXPECT_NEAR(ToEnglish(ToMetric(v, code), code), v, std::fabs(v) * 3e-7) << code << " " << v;
    }
    // The value is taken to single precision before the factor: 0.041 as a
    // double and as a float give different products with 25.4.
    EXPECT_EQ(ToMetric(0.041, 4), ToMetric(0.041f, 4));
    EXPECT_EQ(ToEnglish(0.041, 4), ToEnglish(0.041f, 4));
}

TEST_F(Units, OverflowIsAnArithmeticError)
{
    EXPECT_THROW(ToMetric(1e39, 1), ArithError);  // beyond single precision before any factor
    EXPECT_NO_THROW(ToMetric(3e38, 4));
    metric(true);
    EXPECT_THROW(ToMetric(3e38, 4), ArithError);
    EXPECT_THROW(ToEnglish(3e38, 7), ArithError);
    EXPECT_THROW(FmtVal(3e38, 4, "0", "0"), ArithError);
    EXPECT_THROW(FormatMetric(3e38, 4), ArithError);
    EXPECT_NO_THROW(ToMetric(3e38, 7));
}

// ---- formatting ---------------------------------------------------------------

TEST_F(Units, FmtValPicksFormatAndConversion)
{
    EXPECT_EQ(FmtVal(1450, 7, "0", "0.00"), "1450");
    EXPECT_EQ(FmtVal(2.5, 22, "0.0", "0.000"), "2.5");
    // 1.135 lies above the halfway point as a double and below it as a
    // float, 1.115 the other way round; the float is formatted.
    EXPECT_EQ(FmtVal(1.135, 0, "0.00", "0.00"), "1.13");
    EXPECT_EQ(FmtVal(1.115, 0, "0.00", "0.00"), "1.12");
    metric(true);
    EXPECT_EQ(FmtVal(1450, 7, "0", "0.00"), "10.00");
    EXPECT_EQ(FmtVal(2, 4, "0.00", "0"), "51");
    EXPECT_EQ(FmtVal(2.5, 22, "0.0", "0.000"), "2.500");  // no conversion, metric format
}

TEST_F(Units, FormatNumDecimalsByMagnitude)
{
    EXPECT_EQ(FormatNum(0), "0");
    EXPECT_EQ(FormatNum(-0.0), "0");
    EXPECT_EQ(FormatNum(0.5), "0.500");
    EXPECT_EQ(FormatNum(-0.0004), "0.000");
    EXPECT_EQ(FormatNum(1), "1.00");
    EXPECT_EQ(FormatNum(10), "10.0");
    EXPECT_EQ(FormatNum(-12.34), "-12.3");
    EXPECT_EQ(FormatNum(99.99), "100.0");
    EXPECT_EQ(FormatNum(100), "100");
    EXPECT_EQ(FormatNum(-1234.5), "-1235");
    // The magnitude is judged in single precision...
    EXPECT_EQ(FormatNum(1e-50), "0");
    EXPECT_EQ(FormatNum(0.99999999), "1.00");
    EXPECT_EQ(FormatNum(99.999999999), "100");
    EXPECT_THROW(FormatNum(1e39), ArithError);
    // ...but the value itself is formatted.
    EXPECT_EQ(FormatNum(1.135), "1.14");
    EXPECT_EQ(FormatNum(1.135f), "1.13");
}

TEST_F(Units, FormatNumOfText)
{
    for (std::string_view text : {"abc", "", "1,5", "n/a "})
        EXPECT_EQ(FormatNum(text), text);
    EXPECT_EQ(FormatNum(std::string_view(" 12.5 ")), "12.5");
    EXPECT_EQ(FormatNum(std::string_view("-0.25")), "-0.250");
    EXPECT_EQ(FormatNum(std::string_view("1e3")), "1000");
}

TEST_F(Units, FormatMetricConvertsThenFormats)
{
    EXPECT_EQ(FormatMetric(1450, 7), "1450");
    metric(true);
    EXPECT_EQ(FormatMetric(1450, 7), "10.0");
    EXPECT_EQ(FormatMetric(0.5, 4), "12.7");
    EXPECT_EQ(FormatMetric(0.5, 6), "0.013");
}

// ---- axis scaling -------------------------------------------------------------

TEST(AxisScale, TickStep)
{
    EXPECT_EQ(TickStep(37), 5.0f);
    EXPECT_EQ(TickStep(8), 2.0f);
    EXPECT_EQ(TickStep(1), 0.2f);
    EXPECT_EQ(TickStep(1.5), 0.5f);
    EXPECT_EQ(TickStep(-5), 0.5f);
    EXPECT_EQ(TickStep(0), 0.0f);
    // Around the thresholds log10 1.5, log10 5 and log10 8.
    EXPECT_EQ(TickStep(1.49), 0.2f);
    EXPECT_EQ(TickStep(4.99), 0.5f);
    EXPECT_EQ(TickStep(5), 1.0f);
    EXPECT_EQ(TickStep(7.99), 1.0f);
    EXPECT_EQ(TickStep(0.05), 0.01f);
    EXPECT_EQ(TickStep(250000), 50000.0f);
}

TEST(AxisScale, NiceMax)
{
    EXPECT_EQ(NiceMax(37), 40.0f);
    EXPECT_EQ(NiceMax(40), 45.0f);
    EXPECT_EQ(NiceMax(7.96), 9.0f);
    EXPECT_EQ(NiceMax(100), 120.0f);
    EXPECT_EQ(NiceMax(0.3), 0.35f);
    EXPECT_EQ(NiceMax(0.3f), 0.35f);
    EXPECT_EQ(NiceMax(0), 1.0f);
    EXPECT_EQ(NiceMax(-7), 1.0f);
    EXPECT_EQ(NiceMax(1), 1.2f);
    EXPECT_THROW(NiceMax(3.4e38), ArithError);  // 7 steps of 5e37 exceed single precision
    EXPECT_THROW(NiceMax(1e-46), ArithError);   // the step is zero in single precision
    EXPECT_THROW(NiceMax(1e300), ArithError);
}

TEST(AxisScale, RoundUpLeadDigit)
{
    EXPECT_EQ(RoundUpLeadDigit(37), 40.0f);
    EXPECT_EQ(RoundUpLeadDigit(40), 50.0f);
    EXPECT_EQ(RoundUpLeadDigit(1000), 2000.0f);
    EXPECT_EQ(RoundUpLeadDigit(0.3), 0.4f);
    EXPECT_EQ(RoundUpLeadDigit(-1), 1.0f);
    EXPECT_EQ(RoundUpLeadDigit(0.001), 0.002f);  // log10 exactly -3 in single precision
    EXPECT_EQ(RoundUpLeadDigit(9.99), 10.0f);
    EXPECT_THROW(RoundUpLeadDigit(3.4e38), ArithError);
}
