#include "files/loadingmodel.h"

#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"
#include "model/vbmath.h"
#include "files/modelfile.h"
#include "files/textfile.h"

#include <cmath>

namespace vesk {

namespace {

constexpr float kDefaultLoadMax = 100;  // tons
constexpr float kDefaultConvMax = 12;   // in
constexpr int kTons = 1, kInches = 5;   // unit codes

void noPoints()
{
    G.FailConv.assign(2, 0.0f);
    G.FailLoad.assign(2, 0.0f);
}

}  // namespace

LoadingAxes LoadingAxesFor(double loadMax, double convMax)
{
    const float y = loadMax > 0 ? CSng(loadMax) : kDefaultLoadMax;
    const float x = convMax > 0 ? CSng(convMax) : kDefaultConvMax;
    LoadingAxes a;
    if (G.MetricUnits == 0) {
        a.loadMax = y;
        a.convMax = x;
        a.loadText = PlainNumber(y);
        a.convText = PlainNumber(x);
        return a;
    }
    // Rounded metric tops; the curve, kept in tons and inches, is drawn
    // against them.
    try {
        const AxisTop load = NiceAxisTop(y, kTons);
        const AxisTop conv = NiceAxisTop(x, kInches);
        a.loadMax = load.english;
        a.convMax = conv.english;
        a.loadText = load.text;
        a.convText = conv.text;
    } catch (const ArithError&) {
        // A maximum too large for an axis: that of a model without maxima.
        return LoadingAxesFor(0, 0);
    }
    return a;
}

bool ReadLoadingCurve(int m, LoadingAxes& axes, std::string* reason)
{
    noPoints();
    axes = LoadingAxesFor(0, 0);
    if (m < 0 || static_cast<std::size_t>(m) >= G.FailModelFile.size() || !G.FotoCount.inBounds(m, 0)) {
        if (reason)
            *reason = "There is no such loading model.";
        return false;
    }
    ModelCurve c;
    const int number = G.FotoCount(m, 0);
    if (!ReadModelCurve(AppFilePath(G.FailModelFile[static_cast<std::size_t>(m)]), number - 1, true, c, reason))
        return false;
    const std::size_t n = c.conv.size();
    G.FailConv.assign(n + 1, 0.0f);
    G.FailLoad.assign(n + 1, 0.0f);
    G.FailConv[0] = static_cast<float>(n);
    for (std::size_t i = 0; i < n; ++i) {
        G.FailConv[i + 1] = c.conv[i];
        G.FailLoad[i + 1] = c.load[i];
    }
    axes = LoadingAxesFor(c.yMax, c.xMax);
    return true;
}

std::optional<float> LoadAtStep(double c)
{
    const auto& conv = G.FailConv;
    const auto& load = G.FailLoad;
    if (conv.empty())
        return std::nullopt;
    const long n = std::lround(conv[0]);
    if (n < 1 || static_cast<std::size_t>(n) >= conv.size() || static_cast<std::size_t>(n) >= load.size() || c < 0)
        return std::nullopt;
    try {
        if (c < conv[1])
            return CSng(Div(c, conv[1]) * load[1]);
        if (c > conv[static_cast<std::size_t>(n)])
            return std::nullopt;
        if (n == 1)
            return load[1];
        for (std::size_t i = 1; i < static_cast<std::size_t>(n); ++i) {
            const double c0 = conv[i], c1 = conv[i + 1];
            if (c0 <= c && c <= c1) {
                if (c1 == c0)
                    return CSng((static_cast<double>(load[i]) + load[i + 1]) / 2);
                return CSng(load[i] + (c - c0) / (c1 - c0) * (static_cast<double>(load[i + 1]) - load[i]));
            }
        }
    } catch (const ArithError&) {
    }
    return std::nullopt;
}

}  // namespace vesk
