// The comparison's bar chart: settings brought into range, the bars of each
// parameter in column order, the cost bars in three parts, the titles, the
// legend, and the supports that stop it.
#include "compare_fixture.h"
#include "model/compare/chartdata.h"
#include "model/vbmath.h"

namespace vesk {
namespace {

TEST_F(CompareProject, ChartSettingsOutsideTheirRangesTakeTheirFirstOrStartValues)
{
    G.ChartCat = 6, G.ChartParm = 2;
    G.ChartColor = 15, G.LaborColor = -1, G.TransColor = 3, G.MatColor = 20;
    const ChartData d = BuildChart(MakeColumnOrder(1));
    EXPECT_EQ(std::make_tuple(G.ChartCat, G.ChartParm, d.cat, d.parm), std::make_tuple(1, 2, 1, 2));
    EXPECT_EQ(std::make_tuple(G.ChartColor, G.LaborColor, G.TransColor, G.MatColor), std::make_tuple(12, 12, 3, 9));
    EXPECT_EQ(d.title, "Roof Coverage, %");
    G.ChartCat = 2, G.ChartParm = 5;  // ground control has four
    EXPECT_EQ(BuildChart(MakeColumnOrder(1)).parm, 1);
    EXPECT_EQ(G.ChartParm, 1);
}

TEST_F(CompareProject, SpacingBarsTakeTheCableSetSpacingAndFollowTheBaseSupport)
{
    G.ChartCat = G.ChartParm = 1;
    G.ChartColor = 4;
    const ChartData d = BuildChart(MakeColumnOrder(3));
    // Cable bolts: sets 4 and 6 ft apart (the table shows their bolt spacing).
    std::vector<float> bars;
    for (const auto& v : d.values)
        bars.push_back(v[0]);
    EXPECT_EQ(bars, (std::vector<float>{72, 60, 48, 54, 48, 72, 66}));
    EXPECT_EQ(d.rowLabels, (std::vector<std::string>{"Base", "1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(d.legend[1], "Support 1 - Wood crib 6x6");
    EXPECT_EQ(std::make_tuple(d.title, d.series, d.colours[0]), std::make_tuple("Support Spacing, in", 1, 4));

    G.NumCases = 3;
    EXPECT_EQ(ChartLegendText(MakeColumnOrder(2)),
              "Base Support - Post \"B\"\tSupport 1 - Wood crib 6x6\r\nSupport 2 - Donut crib");
}

TEST_F(CompareProject, CostBarsStackLaborTransportAndMaterials)
{
    G.ChartCat = 3, G.ChartParm = 2;
    G.MetricUnits = -1;
    const ChartData d = BuildChart(MakeColumnOrder(1));
    EXPECT_EQ(d.series, 3);
    EXPECT_EQ(d.seriesLabels, (std::vector<std::string>{"Labor", "Transport", "Materials"}));
    EXPECT_EQ(d.colours, (std::array<int16_t, 3>{G.LaborColor, G.TransColor, G.MatColor}));
    EXPECT_EQ(d.title, "Normalized Costs, $/m of entry");
    // Wood crib: 2 rows at 5 ft; cable bolt: 2 cables a set, sets 4 ft apart.
    EXPECT_FLOAT_EQ(d.values[0][0], 24.5f * 2 / 5 / 0.3048f);
    EXPECT_FLOAT_EQ(d.values[0][2], 80.25f * 2 / 5 / 0.3048f);
    EXPECT_FLOAT_EQ(d.values[4][1], 12.f * 2 / 4 / 0.3048f);
    G.ChartParm = 1;
    EXPECT_EQ(BuildChart(MakeColumnOrder(1)).values[1], (std::array<float, 3>{25, 10, 60}));

    // Work per length of entry: as work, then per length.
    G.ChartCat = 5, G.ChartParm = 4;
    EXPECT_NEAR(BuildChart(MakeColumnOrder(1)).values[0][0], 3250.f / 5 * 2 / 0.7375f / 0.3048f, 0.01);

    // Feet of entry a shift: 10.5 cribs a shift in 2 rows at 5 ft advance 26.25 ft; 9 cable sets of 2
    // cables at 4 ft, 18 ft.
    G.MetricUnits = 0;
    G.ChartCat = 4, G.ChartParm = 3;
    const ChartData rate = BuildChart(MakeColumnOrder(1));
    EXPECT_EQ(rate.title, "Installation Rate, feet of entry/shift");
    EXPECT_FLOAT_EQ(rate.values[0][0], 26.25f);
    EXPECT_FLOAT_EQ(rate.values[4][0], 18.f);
}

TEST_F(CompareProject, ChartWhoseAxisCannotBeDrawnSaysWhy)
{
    // A labor cost of 3e38 $ fits a record, but its axis would end above the largest single.
    G.Cases[2].ConstrCost = 3e38f;
    G.ChartCat = 3, G.ChartParm = 1;
    const ChartData d = BuildChart(MakeColumnOrder(1));
    EXPECT_EQ(d.error, "Overflow");
    EXPECT_EQ(d.values.size(), 7u);
    EXPECT_THROW(ChartValueAxis(d), ArithError);
    G.Cases[2].ConstrCost = 25;
    EXPECT_EQ(BuildChart(MakeColumnOrder(1)).error, "");
}

TEST_F(CompareProject, ChartStopsAtASupportWithoutSpacingOrRows)
{
    G.Cases[5].Spacing = 0;
    ChartData d = BuildChart(MakeColumnOrder(5));
    EXPECT_EQ(d.error, "Support 0 spacing invalid");
    EXPECT_TRUE(d.values.empty());
    G.Cases[5].Spacing = 4;
    G.Cases[2].Rows = 0;
    d = BuildChart(MakeColumnOrder(1));
    EXPECT_EQ(d.error, "No. rows for support 1 are invalid");
    EXPECT_EQ(d.values.size(), 1u);
}

}  // namespace
}  // namespace vesk
