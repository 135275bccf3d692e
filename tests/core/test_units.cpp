// Unit labels and conversions, the number formats over them, and axis scaling.
#include "core_helpers.h"
#include "model/units.h"
#include "model/vbmath.h"

#include <limits>

using namespace vesk;

namespace {

class Units : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
    void TearDown() override { ResetGlobals(); }
    static void metric(bool on) { G.MetricUnits = on ? -1 : 0; }
};

}  // namespace

TEST_F(Units, LabelsFollowTheUnitSystemUnknownCodesHaveNone)
{
    EXPECT_EQ(UnitLabel(7), "psi");
    EXPECT_EQ(UnitLabel(3), "tons/ft\xC2\xB2");
    G.MetricUnits = 1;  // any non-zero value is true
    EXPECT_EQ(UnitLabel(7), "Mpa");
    EXPECT_EQ(UnitLabel(3), "tonnes/m\xC2\xB2");
    for (bool on : {false, true}) {
        metric(on);
        for (int code : {-1, 0, 22})
            EXPECT_EQ(UnitLabel(code), "") << code;
        EXPECT_EQ(ToMetric(5, 22), 5.0f);
        EXPECT_EQ(ToMetric(5, 0), 5.0f);
        EXPECT_EQ(ToEnglish(5, 22), 5.0f);
    }
}

TEST_F(Units, ConversionsOnlyInMetricAndTheRightWayRound)
{
    for (int code = 1; code <= 21; ++code) {
        EXPECT_EQ(ToMetric(1450, code), 1450.0f) << code;
        EXPECT_EQ(ToEnglish(1450, code), 1450.0f) << code;
    }
    EXPECT_EQ(ToMetric(0.1, 4), 0.1f);  // still rounded to single precision
    metric(true);
    EXPECT_EQ(ToMetric(1450, 7), 10.0f);
    EXPECT_EQ(ToEnglish(10, 7), 1450.0f);
    EXPECT_EQ(ToMetric(62.4, 19), 12.0f);
    EXPECT_EQ(ToEnglish(12, 19), 62.4f);
    // One English unit in metric units, from the physical definitions.
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
    // The value is taken to single precision before the factor.
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

TEST_F(Units, FmtValAndFormatMetricPickFormatAndConversion)
{
    EXPECT_EQ(FmtVal(1450, 7, "0", "0.00"), "1450");
    EXPECT_EQ(FmtVal(2.5, 22, "0.0", "0.000"), "2.5");
    // 1.135 lies above the halfway point as a double and below it as a float, 1.115 the other way round.
    EXPECT_EQ(FmtVal(1.135, 0, "0.00", "0.00"), "1.13");
    EXPECT_EQ(FmtVal(1.115, 0, "0.00", "0.00"), "1.12");
    EXPECT_EQ(FormatMetric(1450, 7), "1450");
    metric(true);
    EXPECT_EQ(FmtVal(1450, 7, "0", "0.00"), "10.00");
    EXPECT_EQ(FmtVal(2, 4, "0.00", "0"), "51");
    EXPECT_EQ(FmtVal(2.5, 22, "0.0", "0.000"), "2.500");  // no conversion, metric format
    EXPECT_EQ(FormatMetric(1450, 7), "10.0");
    EXPECT_EQ(FormatMetric(0.5, 4), "12.7");
    EXPECT_EQ(FormatMetric(0.5, 6), "0.013");
}

TEST(FormatNum, DecimalsByMagnitudeJudgedInSinglePrecision)
{
    const std::pair<double, const char*> cases[] = {
        {0, "0"},         {-0.0, "0"},          {0.5, "0.500"},    {-0.0004, "0.000"}, {1, "1.00"},
        {10, "10.0"},     {-12.34, "-12.3"},    {99.99, "100.0"},  {100, "100"},       {-1234.5, "-1235"},
        {1e-50, "0"},     {0.99999999, "1.00"}, {99.999999999, "100"},
        {1.135, "1.14"},  {1.135f, "1.13"},  // the value itself is formatted
    };
    for (auto [v, want] : cases)
        EXPECT_EQ(FormatNum(v), want) << v;
    EXPECT_THROW(FormatNum(1e39), ArithError);
    for (std::string_view text : {"abc", "", "1,5", "n/a "})
        EXPECT_EQ(FormatNum(text), text);
    EXPECT_EQ(FormatNum(std::string_view(" 12.5 ")), "12.5");
    EXPECT_EQ(FormatNum(std::string_view("-0.25")), "-0.250");
    EXPECT_EQ(FormatNum(std::string_view("1e3")), "1000");
}

TEST(AxisScale, TickStepNiceMaxAndLeadDigit)
{
    // Around the thresholds log10 1.5, log10 5 and log10 8.
    for (auto [v, step] : {std::pair{37.0, 5.0f}, {8, 2}, {1, 0.2f}, {1.5, 0.5f}, {-5, 0.5f}, {0, 0}, {1.49, 0.2f},
                           {4.99, 0.5f}, {5, 1}, {7.99, 1}, {0.05, 0.01f}, {250000, 50000}})
        EXPECT_EQ(TickStep(v), step) << v;
    for (auto [v, max] : {std::pair{37.0, 40.0f}, {40, 45}, {7.96, 9}, {100, 120}, {0.3, 0.35f}, {0, 1}, {-7, 1},
                          {1, 1.2f}})
        EXPECT_EQ(NiceMax(v), max) << v;
    EXPECT_EQ(NiceMax(0.3f), 0.35f);
    EXPECT_THROW(NiceMax(3.4e38), ArithError);  // 7 steps of 5e37 exceed single precision
    EXPECT_THROW(NiceMax(1e-46), ArithError);   // the step is zero in single precision
    EXPECT_THROW(NiceMax(1e300), ArithError);
    for (auto [v, up] : {std::pair{37.0, 40.0f}, {40, 50}, {1000, 2000}, {0.3, 0.4f}, {-1, 1}, {0.001, 0.002f},
                         {9.99, 10}})  // log10 0.001 is exactly -3 in single precision
        EXPECT_EQ(RoundUpLeadDigit(v), up) << v;
    EXPECT_THROW(RoundUpLeadDigit(3.4e38), ArithError);

    // Where each stops: the step, the axis top or the raised digit beyond single precision.
    EXPECT_EQ(TickStep(1.4e39), 2e38f);
    EXPECT_THROW(TickStep(1.6e39), ArithError);  // 5e38
    EXPECT_EQ(NiceMax(2.9e38), 3e38f);
    EXPECT_THROW(NiceMax(2.95e38), ArithError);  // 7 steps of 5e37
    EXPECT_EQ(RoundUpLeadDigit(2.9e38), 3e38f);
    EXPECT_THROW(RoundUpLeadDigit(3e38), ArithError);  // 4e38
    EXPECT_THROW(FormatNum(std::string_view("1e39")), ArithError);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(TickStep(nan), ArithError);
    EXPECT_THROW(NiceMax(nan), ArithError);
    EXPECT_THROW(RoundUpLeadDigit(nan), ArithError);
}
