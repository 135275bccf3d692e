#include "model/postcurve.h"

#include "model/cribmodel.h"
#include "model/globals.h"
#include "model/vbmath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace vesk {

namespace {

// The program's value of pi, as a float: one step above the float nearest pi.
constexpr float kPostPi = 3.1415929f;
constexpr double kLbPerTon = 2000;
// Convergences of the cap curve's points 2 to 8, as fractions of 0.35 x cap thickness.
constexpr std::array<double, 7> kCapFractions = {0.05, 0.1, 0.2, 0.4, 0.6, 0.8, 1.0};

}  // namespace

int16_t CalcPostCurve()
{
    CaseRec& post = G.CurCase;
    const float d = post.Par[0], s = post.Par[1], t = post.Par[3];
    const bool cap = t > 0;
    const int n = cap ? 10 : 3;
    G.PerfConv.redim(1, n);
    G.PerfLoad.redim(1, n);

    std::array<float, 11> conv{}, load{};  // points 1..n
    int16_t mode = 0;
    try {
        const double pi = kPostPi;
        const float e = CSng(post.Par[2] * 1000.0);
        const float len = CSng(static_cast<double>(G.EntryHt) - t);
        if (!(len > 0))
            return -1;

        const double slender = Div(len, d / 4.0 * std::sqrt(12.0));
        const float fcr = CSng(Div(0.3 * e, slender * slender));
        const float pb = CSng(fcr * pi * (static_cast<double>(d) * d) / 4);
        const float pc = CSng(static_cast<double>(d) * d * pi * s / 4);
        float pf;
        if (pc < pb) {
            pf = CSng(pc / kLbPerTon);
            mode = 0;
        } else {
            pf = CSng(pb / kLbPerTon);
            mode = 1;
        }
        // Shortening of the post at its failure load.
        const float delta = CSng(Div(Div(pf * kLbPerTon, pi * d * d / 4), e) * len);

        if (cap) {
            // The cap as one crib layer of two square timbers of the post's
            // cross-section area.
            const float a = CSng(d * std::sqrt(pi) / 4);
            if (CalcCribParams(2, post.Par[4], post.Par[5], a, a, CSng(10.0 * a), t, a) != 0)
                return -1;
            // Cap and post carry the load in series: the cap's rise ends at
            // the post's failure load.
            for (std::size_t i = 0; i < kCapFractions.size(); ++i) {
                const float c = CSng(kCapFractions[i] * 0.35 * t);
                conv[i + 2] = c;
                load[i + 2] = std::min(pf, CSng((static_cast<double>(G.PerfK) * c + (1 - std::exp(-static_cast<double>(G.PerfB) * c)) * G.PerfA) / 2));
            }
            conv[9] = CSng(1.1 * delta + 0.5 * t);
            load[9] = pf;
            // Unloading: the steeper of the last rise and the secant, halved.
            const float slope = CSng(Div(static_cast<double>(load[9]) - load[8], static_cast<double>(conv[9]) - conv[8]));
            const float secant = CSng(Div(load[9], conv[9]));
            const float k = CSng((slope > secant ? slope : secant) / 2.0);
            conv[10] = CSng(conv[9] + Div(load[9], k));
            load[10] = 0;
        } else {
            conv[2] = delta;
            load[2] = pf;
            conv[3] = CSng(1.5 * delta);
            load[3] = 0;
        }
    } catch (const ArithError&) {
        return -1;
    } catch (const std::out_of_range&) {
        return -1;
    }

    for (int p = 1; p <= n; ++p) {
        G.PerfConv(1, p) = conv[static_cast<std::size_t>(p)];
        G.PerfLoad(1, p) = load[static_cast<std::size_t>(p)];
    }
    G.PerfConv(1, 0) = static_cast<float>(n);
    post.NumPts = static_cast<int16_t>(n);
    return mode;
}

}  // namespace vesk
