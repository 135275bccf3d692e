// The bar chart of the comparison: one chosen parameter of every support,
// in the comparison's column order.
#pragma once

#include "model/compare/comparedoc.h"
#include "model/compare/plotaxes.h"

#include <array>
#include <string>
#include <vector>

namespace vesk {

// Parameters per category 1..5 (element 0 unused).
inline constexpr std::array<int16_t, 6> kChartParmCount{0, 2, 4, 2, 3, 6};
inline constexpr int kCostCategory = 3;

// The category names of the settings dialog, 1..5 at 0..4.
extern const std::array<const char*, 5> kChartCategoryNames;
// The dialog text of a parameter in the unit setting in force.
std::string ChartParmName(int cat, int parm);

// Colour indexes 0..14 and their start values.
inline constexpr int16_t kDefaultChartColor = 12, kDefaultLaborColor = 12, kDefaultTransColor = 10,
                         kDefaultMatColor = 9;
extern const std::array<const char*, 15> kColourNames;  // "black" .. "yellow"

struct ChartData {
    int16_t cat = 1, parm = 1;
    std::string title;
    int series = 1;                                  // 3 for the cost category, stacked
    std::vector<std::array<float, 3>> values;        // per bar (column order), display units
    std::vector<std::string> rowLabels;              // "Base", "1", "2", ...
    std::vector<std::string> legend;                 // "Base Support - name", "Support 1 - name", ...
    std::array<int16_t, 3> colours{};                // colour index per series
    std::vector<std::string> seriesLabels;           // cost category: "Labor", "Transport", "Materials"
    std::string footnote;                            // the project name
    // Not empty: the chart could not be built; shown under "Error plotting chart".
    std::string error;
};

// Brings ChartCat and ChartParm (and the colours) into their ranges and
// builds the chart of the settings in force for the supports in `colCase`.
// A chart whose value axis cannot be drawn carries the error's description.
ChartData BuildChart(const ColumnOrder& colCase);

// The chart's value axis: from lo to hi in whole steps, 0 always on it,
// over the bars (each stack of parts) of `chart`.
struct ChartAxis {
    double lo = 0, hi = 1, step = 0.2;
    std::vector<PlotTick> ticks;
};
// Throws ArithError when the bars reach beyond single precision.
ChartAxis ChartValueAxis(const ChartData& chart);

// The legend as clipboard text: two entries to a line, a tab between them.
std::string ChartLegendText(const ColumnOrder& colCase);

}  // namespace vesk
