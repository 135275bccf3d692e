#include "model/concretecurve.h"

#include "model/globals.h"
#include "model/vbmath.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace vesk {

namespace {

constexpr double kLbPerTon = 2000;
// An area of 0 (no dimensions entered) is taken as this many in².
constexpr float kDefaultArea = 500;

// Crib stress (psi) from the concrete strength f (psi) by the placement of
// the interlayer wood; 0 for an unknown placement.
float cribStress(int16_t interlayer, double f)
{
    switch (interlayer) {
    case 0: return CSng((-0.00005 * f + 1.2194) * f - 200.64);  // every layer
    case 1: return CSng((-0.00004 * f + 0.9999) * f - 164.53);  // every 2nd layer
    case 2: return CSng((-0.00003 * f + 0.9146) * f - 150.48);  // every 3rd layer
    case 3: return CSng((-0.00003 * f + 0.7926) * f - 130.42);  // every 4th layer
    case 4: return CSng(0.4185 * f - 129.12);                   // roof and floor only
    default: return 0;
    }
}

}  // namespace

int16_t CalcConcreteCurve()
{
    CaseRec& crib = G.CurCase;
    crib.NumPts = 7;
    if (G.CurCaseNo < 0 || G.CurCaseNo > kMaxCases)
        return -1;
    const double p0 = crib.Par[0], p1 = crib.Par[1];
    double area;
    switch (G.CaseType[static_cast<std::size_t>(G.CurCaseNo)]) {
    case 3: area = 0.7854 * (p1 * p1 - p0 * p0); break;  // donut: the annulus
    case 4: area = p0 * p0; break;                       // four-point: piece width squared
    case 5:
    case 6: area = p1 * p0; break;                       // solid, stopping block: length x width
    default: return -1;
    }
    G.PerfConv.redim(1, 7);
    G.PerfLoad.redim(1, 7);

    std::array<float, 8> conv{}, load{};  // points 1..7
    try {
        float a = std::fabs(CSng(area));
        if (a == 0)
            a = kDefaultArea;
        const float s = cribStress(crib.Interlayer, crib.Par[5]);
        // No stress, no curve: a negative stress would give negative loads.
        if (!(s > 0))
            return -1;
        const float p = CSng(s / kLbPerTon * a);  // peak load, tons
        const double w = crib.Par[6];
        float cp = CSng((w * -0.0167 + 0.7742) * w - 0.0571);  // peak convergence, in
        if (cp <= 0)
            cp = 1;
        // The rising branch is load = k sqrt(convergence).
        const float k = CSng(Div(p, std::sqrt(static_cast<double>(cp))));
        const double r2 = Div(0.2 * p, k), r3 = Div(0.4 * p, k);
        conv[2] = CSng(r2 * r2);
        load[2] = CSng(0.2 * p);
        conv[3] = CSng(r3 * r3);
        load[3] = CSng(0.4 * p);
        conv[4] = CSng(0.5 * cp);
        load[4] = CSng(k * std::sqrt(0.5 * cp));
        conv[5] = CSng(0.75 * cp);
        load[5] = CSng(k * std::sqrt(0.75 * cp));
        conv[6] = cp;
        load[6] = p;
        conv[7] = CSng(1.1 * cp);
        load[7] = 0;
    } catch (const ArithError&) {
        return -1;
    } catch (const std::out_of_range&) {
        return -1;
    }

    for (int i = 1; i <= 7; ++i) {
        G.PerfConv(1, i) = conv[static_cast<std::size_t>(i)];
        G.PerfLoad(1, i) = load[static_cast<std::size_t>(i)];
    }
    G.PerfConv(1, 0) = 7;
    return 0;
}

}  // namespace vesk
