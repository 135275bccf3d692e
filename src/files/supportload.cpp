#include "files/supportload.h"

#include "model/concretecurve.h"
#include "model/cribmodel.h"
#include "model/curves.h"
#include "model/globals.h"
#include "model/postcurve.h"
#include "model/vbmath.h"
#include "files/modelfile.h"

#include <exception>

namespace vesk {

std::optional<float> SupportLoadAtConv(float conv)
{
    const int i = G.CurCaseNo;
    if (i < 1 || i > G.NumCases || i > kMaxCases)
        return std::nullopt;
    const auto n = static_cast<std::size_t>(i);
    const int16_t type = G.CaseType[n];
    if (type < 1 || type > G.NumTypes)
        return std::nullopt;
    G.CurCase = G.Cases[n];
    float load = 0;
    try {
        if (type == 1) {
            UpdateCrib(G.CurCaseNo);
            G.PerfA = G.CurCase.CribA;
            G.PerfK = G.CurCase.CribK;
            G.PerfB = G.CurCase.CribB;
            load = CribLoad(conv);
        } else {
            if (type == 2) {
                CalcPostCurve();
            } else if (type <= 6) {
                CalcConcreteCurve();
            } else if (!LoadModelFile(type)) {
                // Part of a table read before the failure is no curve of this support.
                return std::nullopt;
            }
            const int16_t m = type >= 7 ? static_cast<int16_t>(G.Cases[n].SizeIdx + 1) : int16_t(1);
            load = LoadAtConv(conv, m);
            if (load < 0)
                load = G.CurrLoad;
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (!(load > 0))
        return std::nullopt;
    return load;
}

}  // namespace vesk
