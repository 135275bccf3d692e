// The names the chart settings list: categories, parameters and colours.
#include "model/compare/chartdata.h"

#include "model/globals.h"
#include "model/units.h"

namespace vesk {

const std::array<const char*, 5> kChartCategoryNames = {"Support Layout", "Ground Control", "Support Costs",
                                                        "Installation", "Material Handling"};

const std::array<const char*, 15> kColourNames = {"black",   "blue",     "green",    "cyan",       "red",
                                                  "magenta", "brown",    "lt gray",  "dk gray",    "lt blue",
                                                  "lt green", "lt cyan", "lt red",   "lt magenta", "yellow"};

std::string ChartParmName(int cat, int parm)
{
    if (cat < 1 || cat > 5 || parm < 1 || parm > kChartParmCount[static_cast<std::size_t>(cat)])
        return {};
    const auto u = [](int code) { return UnitLabel(code); };
    switch (cat * 10 + parm) {
    case 11: return "Spacing, " + u(6);
    case 12: return "Roof coverage, %";
    case 21: return "Unit load, " + u(1) + "/support";
    case 22: return "Load density, " + u(2) + " of entry";
    case 23: return "Convergence, " + u(5);
    case 24: return "Safety factor";
    case 31: return "Unit cost, $/support";
    case 32: return "Normalized cost, $/" + u(11) + " of entry";
    case 41: return "Minutes/support";
    case 42: return "Supports/shift";
    case 43: return std::string(G.MetricUnits != 0 ? "Meters" : "Feet") + " of entry/shift";
    case 51: return "Number of pieces";
    case 52: return "Max lifting weight, " + u(9);
    case 53: return "Work/support, " + u(12);
    case 54: return "Work/" + u(11) + " of entry, " + u(12) + "/" + u(11);
    case 55: return "Transport volume, " + u(15);
    case 56: return "Supply car capacity";
    default: return {};
    }
}

}  // namespace vesk
